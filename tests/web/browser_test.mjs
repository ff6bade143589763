// The browser front end in Debian's chromium: the page's contract (canvas,
// status, title, focus, file input, download link), its picture against the
// headless front end's for the same keys, F3 into the browser's storage and
// back after a reload, the download against the headless save, the in-page
// Save As and questions, the prompt before leaving unsaved work, and files
// taken from the computer. Every key the program took is kept from the browser.
// Usage: node browser_test.mjs BUILD_WEB TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE
import { spawnSync } from 'node:child_process';
import {
  copyFileSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

import { firstFrame, startBrowser } from './chromium.mjs';

if (process.argv.length !== 6) {
  console.error('usage: node browser_test.mjs BUILD_WEB TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE');
  process.exit(2);
}
const [webFolder, headless, data, compare] = process.argv.slice(2).map((path) => resolve(path));
const work = mkdtempSync(join(tmpdir(), 'tesselle-web.'));
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
const fail = (why) => {
  throw new Error(why);
};
const AreaSetSize = 214016;

// --- The headless front end's references ---------------------------------
// Runs the script `lines` in the fresh folder WORK/name, which holds the cell
// bank, the id table and `files` (name -> path); it must exit with `exit`
// and say nothing on stderr. Returns the folder.
function headlessRun(name, lines, files = { 'Areas.out': join(data, 'Areas.out') }, exit = 0) {
  const folder = join(work, name);
  mkdirSync(folder);
  const all = { 'Cells.dap': join(data, 'Cells.dap'), 'Cells.id': join(data, 'Cells.id'), ...files };
  for (const [file, from] of Object.entries(all)) copyFileSync(from, join(folder, file));
  writeFileSync(join(folder, 'script.txt'), `${lines.join('\n')}\n`);
  const run = spawnSync(headless, ['script.txt'], { cwd: folder, encoding: 'utf8' });
  if (run.status !== exit || run.stderr !== '')
    fail(`the headless run ${name} exits ${run.status}: ${run.stderr}`);
  return folder;
}

// Keys as the headless script names them ('RIGHT', 'shift+F3', 'alt+F4') and
// as the browser's keyboard does.
const BrowserKeys = {
  LEFT: 'ArrowLeft', RIGHT: 'ArrowRight', UP: 'ArrowUp', DOWN: 'ArrowDown', TAB: 'Tab',
  SPACE: 'Space', RETURN: 'Enter', ESCAPE: 'Escape', DELETE: 'Delete', INSERT: 'Insert',
  ADD: 'NumpadAdd', SUBTRACT: 'NumpadSubtract',
};
const Modifiers = { shift: 'Shift', ctrl: 'Control', alt: 'Alt' };
const scriptLines = (keys) => keys.map((word) => {
  if (word.startsWith('click ')) return word;
  return word.startsWith('alt+') ? `syskey ${word.slice(4)}` : `key ${word}`;
});

function browserKey(name) {
  if (BrowserKeys[name]) return BrowserKeys[name];
  if (/^F\d{1,2}$/.test(name)) return name;
  if (/^[A-Z]$/.test(name)) return `Key${name}`;
  return fail(`no browser key for ${name}`);
}

// The keys pressed and released, with their modifiers held, on the focus;
// a click line clicks the picture pixel it names through the canvas's scale.
async function press(page, keys) {
  for (const word of keys) {
    if (word.startsWith('click ')) {
      const [, button, x, y] = word.split(' ');
      const box = await page.$eval('#screen', (canvas) => {
        const rect = canvas.getBoundingClientRect();
        return { left: rect.left, top: rect.top, scale: rect.width / canvas.width };
      });
      await page.mouse.click(box.left + (Number(x) + 0.5) * box.scale,
        box.top + (Number(y) + 0.5) * box.scale, { button });
      continue;
    }
    const parts = word.split('+');
    const key = browserKey(parts.pop());
    const held = parts.map((part) => Modifiers[part]);
    for (const modifier of held) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    for (const modifier of held.reverse()) await page.keyboard.up(modifier);
  }
}

// --- The page --------------------------------------------------------------
// '' when the canvas shows `expected` (a headless shot) but for the cursor's
// blink; else what differs.
async function canvasDiffers(page, expected) {
  const url = await page.$eval('#screen', (canvas) => canvas.toDataURL('image/png'));
  const shot = join(work, 'canvas.png');
  writeFileSync(shot, Buffer.from(url.slice(url.indexOf(',') + 1), 'base64'));
  const run = spawnSync(compare, ['--cursor', shot, expected], { encoding: 'utf8' });
  return run.status === 0 ? '' : run.stderr.trim() || `picture-compare exits ${run.status}`;
}

async function until(what, test, seconds = 10) {
  const deadline = Date.now() + seconds * 1000;
  let last;
  while ((last = await test()) !== true) {
    if (Date.now() > deadline) fail(`${what}${typeof last === 'string' && last ? `: ${last}` : ''}`);
    await sleep(50);
  }
}

async function expectCanvas(page, expected, what) {
  await until(`the canvas does not show ${what}`, async () => (await canvasDiffers(page, expected)) || true);
  console.log(`the canvas shows ${what}`);
}

const statusText = (page) => page.$eval('#status', (status) => status.textContent);
const expectStatus = async (page, pattern) => until(`the status does not match ${pattern}`,
  async () => pattern.test(await statusText(page)) || statusText(page));
const expectTitle = async (page, title) =>
  until(`the title is not "${title}"`, async () => (await page.title()) === title || await page.title());
const dialogOpen = (page, id) => page.$eval(`#${id}`, (dialog) => dialog.open);
// Presses `keys`; `what` fails unless the page's dialog `id` then opens.
async function pressTill(page, keys, id, what) {
  await press(page, keys);
  await until(what, () => dialogOpen(page, id));
}

// Opens `query` (with its beforeunload prompt accepted) until the first frame.
async function open(page, url, query) {
  await page.goto(`${url}${query}`);
  await firstFrame(page);
}

// The bytes that the browser's storage holds for `name`, or null.
async function storedFile(page, name) {
  const bytes = await page.evaluate((key) => new Promise((done, failed) => {
    const request = indexedDB.open('/tesselle');
    request.onerror = () => failed(request.error);
    request.onsuccess = () => {
      const get = request.result.transaction('FILE_DATA').objectStore('FILE_DATA').get(key);
      get.onerror = () => failed(get.error);
      get.onsuccess = () => {
        request.result.close();
        done(get.result?.contents ? Array.from(new Uint8Array(get.result.contents)) : null);
      };
    };
  }), `/tesselle/${name}`);
  return bytes === null ? null : Buffer.from(bytes);
}

function sameBytes(actual, expectedPath, what) {
  if (actual === null) fail(`${what}: nothing there`);
  if (Buffer.compare(actual, readFileSync(expectedPath)) !== 0)
    fail(`${what} is not, byte for byte, the headless save ${expectedPath}`);
}

// Clicks the download link and gives the file it downloads.
async function download(session, page, folder, name) {
  mkdirSync(folder);
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  await page.click('#download');
  await until(`the download link does not download ${name} (${readdirSync(folder)})`, () =>
    readdirSync(folder).join() === name);
  return readFileSync(join(folder, name));
}

// --- The run -------------------------------------------------------------------
const { browser, url, close } = await startBrowser(webFolder);
let status = 0;
try {
  const page = await browser.newPage();
  const session = await browser.target().createCDPSession();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  // Each key pressed on the canvas, on every page loaded, and whether the
  // browser's own action was kept from it (seen after the page's handlers).
  const keysSeen = [];
  await page.exposeFunction('noteKey', (key, prevented) => keysSeen.push([key, prevented]));
  const menus = [];
  await page.exposeFunction('noteMenu', (prevented) => menus.push(prevented));
  await page.evaluateOnNewDocument(() => {
    window.addEventListener('keydown', (event) => {
      if (event.target.id === 'screen')
        window.noteKey(`${event.ctrlKey ? 'ctrl+' : ''}${event.code}`, event.defaultPrevented);
    });
    window.addEventListener('contextmenu', (event) => window.noteMenu(event.defaultPrevented));
  });
  let beforeUnload = 0;
  page.on('dialog', async (dialog) => {
    if (dialog.type() === 'beforeunload') ++beforeUnload;
    await dialog.accept();
  });

  // --- First visit: the demo set is stored; the page's contract. -------------
  await open(page, url, '?open=Areas.out');
  const contract = await page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const status = document.getElementById('status');
    const files = document.getElementById('open-files');
    const style = getComputedStyle(canvas);
    return {
      size: `${canvas.width}x${canvas.height}`,
      scale: parseFloat(style.width) / 640,
      scaleY: parseFloat(style.height) / 480,
      rendering: style.imageRendering,
      focused: document.activeElement === canvas,
      status: `${status.getAttribute('role')} ${status.getAttribute('aria-live')}`,
      files: `${files.type} ${files.multiple}`,
    };
  });
  const wanted = { size: '640x480', rendering: 'pixelated', focused: true, status: 'status polite', files: 'file true' };
  for (const [key, value] of Object.entries(wanted))
    if (contract[key] !== value) fail(`the page's ${key} is ${contract[key]}, not ${value}`);
  if (!Number.isInteger(contract.scale) || contract.scale < 1 || contract.scale !== contract.scaleY)
    fail(`the canvas is scaled by ${contract.scale} x ${contract.scaleY}, not by one whole number`);
  await expectTitle(page, 'Tesselle v1.0 — Areas.out');
  await expectStatus(page, /^Areas\.out  Area 0  Col 0 Row 0/);

  // --- Keys: the picture after each step is the headless front end's. --------
  const steps = [
    ['edited', ['TAB', 'RIGHT', 'RIGHT', 'RIGHT', 'DOWN', 'SPACE', 'TAB', 'RIGHT', 'RIGHT', 'DOWN',
      'DOWN', 'SPACE', 'RIGHT', 'SPACE', 'DOWN', 'F2', 'shift+RIGHT', 'shift+DOWN', 'C', 'RIGHT',
      'RIGHT', 'RIGHT', 'V', 'DELETE', 'INSERT']],
    ['help', ['F1']],
    ['from-help', ['ESCAPE', 'ADD', 'SPACE', 'SUBTRACT', 'ctrl+Z', 'ctrl+Z', 'ctrl+Y']],
    ['word-map', ['F5', 'TAB', 'RIGHT', 'RIGHT', 'SPACE', 'TAB', 'RIGHT', 'DOWN', 'SPACE', 'DOWN']],
    ['back', ['ESCAPE', 'G', 'LEFT', 'SPACE', 'F2']],
    // The pointer at twice the scale, by picture pixel (cell (c, r) of the
    // editor covers 64 + 32c.., 32 + 32r..): a right click selects the cell
    // under it, left clicks place it either side of the edge of (5, 3) and (6, 3).
    ['pointer', ['click right 64 32', 'click left 255 159', 'click left 256 159']],
  ];
  await page.evaluate(() => { window.samePage = true; }); // gone if a key reloads the page
  const keys = [];
  for (const [name, stepKeys] of steps) {
    keys.push(...stepKeys);
    const folder = headlessRun(name, ['open Areas.out', 'frames 8', ...scriptLines(keys),
      'frames 8', 'shot expected.png', 'key F3']);
    if (name === 'pointer') {
      await page.setViewport({ width: 1400, height: 1100 });
      await until('the canvas is not scaled by 2', async () =>
        await page.$eval('#screen', (canvas) => canvas.getBoundingClientRect().width) === 1280);
    }
    await press(page, stepKeys);
    await expectCanvas(page, join(folder, 'expected.png'), `the headless picture after '${name}'`);
  }
  if (!(await page.evaluate(() => window.samePage === true))) fail('a key reloaded the page');
  if (menus.length !== 1 || !menus[0]) fail(`the right click leaves the context menu: ${menus}`);
  await page.setViewport({ width: 1024, height: 768 });
  await expectTitle(page, 'Tesselle v1.0 — Areas.out *');

  // F3 saves into the storage; "Saved" shows only once the storage holds it.
  const saved = join(work, steps.at(-1)[0], 'Areas.out');
  await press(page, ['F3']);
  await expectStatus(page, /Saved Areas\.out/);
  sameBytes(await storedFile(page, 'Areas.out'), saved, 'the stored Areas.out when "Saved" shows');
  await expectTitle(page, 'Tesselle v1.0 — Areas.out');
  sameBytes(await download(session, page, join(work, 'download-1'), 'Areas.out'), saved,
    'the download');
  console.log('F3 stores the set; the download is the headless save');

  // --- Reload: the saved set, not an unsaved change, comes back. -------------
  await press(page, ['DELETE']);
  await expectTitle(page, 'Tesselle v1.0 — Areas.out *');
  await page.reload();
  await firstFrame(page);
  if (beforeUnload !== 1) fail(`leaving with an unsaved change prompts ${beforeUnload} times, not once`);
  const reopened = headlessRun('reopened', ['open Areas.out', 'frames 8', 'shot expected.png'],
    { 'Areas.out': saved });
  await expectCanvas(page, join(reopened, 'expected.png'), 'the saved set after a reload');
  await page.reload();
  await firstFrame(page);
  if (beforeUnload !== 1) fail('leaving without unsaved changes prompts');

  // --- The open dialog lists the stored sets. ----------------------------------
  await page.goto(url);
  await until('no open dialog', () => dialogOpen(page, 'open-dialog'));
  const listed = await page.$$eval('#open-list button', (buttons) => buttons.map((b) => b.textContent));
  if (listed.join() !== 'Areas.out') fail(`the open dialog lists ${listed.join()}`);
  if (!(await page.$('#open-computer'))) fail('the open dialog offers no "From your computer…"');
  await page.click('#open-list button');
  await firstFrame(page);
  await expectCanvas(page, join(reopened, 'expected.png'), 'the set chosen in the open dialog');

  // --- A new set: Save As in the page, the questions. --------------------------
  // The headless run answers as the page is answered below.
  const newSetKeys = ['TAB', 'RIGHT', 'SPACE', 'TAB', 'SPACE'];
  const later = ['RIGHT', 'SPACE'];
  const asked = headlessRun('questions', ['open cancel', 'frames 8', ...scriptLines(newSetKeys),
    'key shift+F3', 'save Copy', 'key shift+F3', 'save Areas', 'confirm no', 'save cancel',
    'key shift+F3', 'save Copy', 'confirm yes', ...scriptLines(later), 'syskey F4', 'confirm cancel', 'frames 8', 'shot expected.png',
    'syskey F4', 'confirm yes'], undefined, 0x60); // the close command's wParam, SC_CLOSE
  await open(page, url, '?new');
  await pressTill(page, [...newSetKeys, 'shift+F3'], 'name-dialog', 'Shift+F3 shows no name dialog');
  await page.type('#name-input', 'Copy');
  await page.keyboard.press('Enter');
  await expectStatus(page, /Saved Copy\.out/);
  await expectTitle(page, 'Tesselle v1.0 — Copy.out');
  // Save As over a stored set asks first; No goes back to the name.
  await pressTill(page, ['shift+F3'], 'name-dialog', 'Shift+F3 shows no name dialog');
  await page.$eval('#name-input', (input) => { input.value = 'Areas'; });
  await pressTill(page, ['RETURN'], 'question', 'no question before replacing Areas.out');
  const question = await page.$eval('#question-text', (text) => text.textContent);
  if (question !== 'Areas.out exists. Replace it?') fail(`the question reads "${question}"`);
  await pressTill(page, ['N'], 'name-dialog', 'No does not go back to the name');
  await page.keyboard.press('Escape');
  await until('Esc leaves the name dialog open', async () => !(await dialogOpen(page, 'name-dialog')));
  await expectTitle(page, 'Tesselle v1.0 — Copy.out');
  // Yes replaces.
  await pressTill(page, ['shift+F3'], 'name-dialog', 'Shift+F3 shows no name dialog');
  await pressTill(page, ['RETURN'], 'question', 'no question before replacing Copy.out');
  await page.keyboard.press('KeyY');
  await until('Yes does not save Copy.out', async () =>
    !(await dialogOpen(page, 'question')) && !(await dialogOpen(page, 'name-dialog')));
  // The close question: Cancel (Esc) goes on editing, Yes saves and ends.
  await pressTill(page, [...later, 'alt+F4'], 'question', 'Alt+F4 with unsaved changes asks nothing');
  if (await page.$eval('#question-cancel', (button) => button.hidden)) fail('the close question has no Cancel');
  await page.keyboard.press('Escape');
  await expectCanvas(page, join(asked, 'expected.png'), 'the new set after Esc on the close question');
  await pressTill(page, ['alt+F4'], 'question', 'the second Alt+F4 asks nothing');
  await page.keyboard.press('KeyY');
  await expectStatus(page, /^Tesselle has ended/);
  // Once the program has ended, the keys are the browser's again.
  const seenBefore = keysSeen.length;
  await press(page, ['G']);
  await until('a key on the ended page is not seen', () => keysSeen.length > seenBefore);
  if (keysSeen.pop()[1]) fail('the page keeps the keys from the browser after the program ended');
  sameBytes(await storedFile(page, 'Copy.out'), join(asked, 'Copy.out'), 'the stored Copy.out');
  sameBytes(await storedFile(page, 'Areas.out'), saved, 'Areas.out after No to replacing it');
  sameBytes(await download(session, page, join(work, 'download-2'), 'Copy.out'),
    join(asked, 'Copy.out'), 'the download of Copy.out');
  console.log('Save As, the replace question and the close question answer in the page');

  // --- Files from the computer. ------------------------------------------------
  await open(page, url, '?open=Copy.out');
  const bad = join(work, 'Bad.out');
  writeFileSync(bad, Buffer.alloc(1000));
  const input = await page.$('#open-files');
  await input.uploadFile(bad, join(data, 'Cells.id'));
  await until('a set of the wrong size is not refused', () => dialogOpen(page, 'message'));
  const refusal = await page.$eval('#message-text', (text) => text.textContent);
  if (!refusal.startsWith('Nothing is stored: Bad.out is 1000 bytes'))
    fail(`the refusal reads "${refusal}"`);
  await page.keyboard.press('Enter');
  if ((await storedFile(page, 'Bad.out')) !== null) fail('the refused Bad.out is stored');
  // A bank of other colours and a set of another name: the page opens on them.
  const bank = readFileSync(join(data, 'Cells.dap'));
  for (let i = 65536 + 48; i < 66304; ++i) bank[i] = 63 - bank[i];
  writeFileSync(join(work, 'Other.dap'), bank);
  const uploaded = headlessRun('uploaded', ['open Mine.out', 'frames 8', 'shot expected.png'],
    { 'Mine.out': saved, 'Cells.dap': join(work, 'Other.dap') });
  await Promise.all([page.waitForNavigation(),
    input.uploadFile(join(uploaded, 'Cells.dap'), join(uploaded, 'Mine.out'))]);
  await firstFrame(page);
  if ((await page.evaluate(() => location.search)) !== '?open=Mine.out')
    fail(`after the upload the page opens ${await page.evaluate(() => location.search)}`);
  await expectCanvas(page, join(uploaded, 'expected.png'), 'the uploaded bank and set');
  await expectTitle(page, 'Tesselle v1.0 — Mine.out');
  console.log('files from the computer are stored and opened; a wrong size is refused');

  const free = keysSeen.filter(([, prevented]) => !prevented).map(([key]) => key);
  if (free.length > 0) fail(`keys left to the browser: ${[...new Set(free)].join(' ')}`);
  const kinds = new Set(keysSeen.map(([key]) => key));
  for (const key of ['F1', 'F2', 'F3', 'F4', 'F5', 'Tab', 'Space', 'ArrowLeft', 'ctrl+KeyZ', 'ctrl+KeyY'])
    if (!kinds.has(key)) fail(`the test pressed no ${key} on the canvas`);
  if (errors.length > 0) fail(`the page threw: ${errors.join('; ')}`);
  console.log(`browser test passed (${keysSeen.length} keys, all kept from the browser)`);
} catch (error) {
  console.error(`FAIL: ${error.message}`);
  console.error(`pictures and runs kept in ${work}`);
  status = 1;
} finally {
  await close();
}
if (status === 0) rmSync(work, { recursive: true, force: true });
process.exit(status);
