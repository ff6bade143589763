// The page around the program: the browser's storage as the program's
// folder, the canvas and its whole-number scale, the status line and the
// title, the in-page dialogs that answer the program's dialogs and questions,
// files taken from the user's computer, the download of the set as last
// saved, and the browser's prompt before leaving with unsaved changes.
// Built into tesselle.js ahead of the program; the program's backend calls
// it as Module.tesselle.
'use strict';

Module.tesselle = (() => {
  const StorageFolder = '/tesselle'; // kept in IndexedDB
  const MemoryFolder = '/memory'; // where the browser gives no storage
  const DemoFolder = '/demo'; // the demo set as packaged with the page
  const DemoFiles = ['Cells.dap', 'Cells.id', 'Areas.out'];
  const AreaSetSize = 214016;
  const MinimumSizes = { 'Cells.dap': 66304, 'Cells.id': 256 };
  const StorageWaitMs = 2000; // some browsers never answer: start without storage then
  const IDYES = 6, IDNO = 7, IDCANCEL = 2;
  const PictureWidth = 640, PictureHeight = 480;

  const element = (id) => document.getElementById(id);
  const canvas = element('screen');
  const context = canvas.getContext('2d', { alpha: false });
  const status = element('status');
  const address = new URLSearchParams(location.search);
  const state = {
    prepared: false, // the storage is the working folder
    persistent: false, // the working folder lasts beyond the page
    running: false, // the program has shown its status
    ended: false,
    leaving: false, // the page reloads itself on purpose
    fileName: '',
    unsaved: false,
    image: null,
    firstFrame: false,
  };
  // The main-thread time of the last presents and the pixels each put on the
  // canvas, for the figures script.
  const presents = { ms: new Float64Array(256), pixels: new Int32Array(256), count: 0 };

  // --- Storage --------------------------------------------------------------
  const sync = (populate) =>
    new Promise((resolve) => FS.syncfs(populate, (error) => resolve(error || null)));
  const within = (promise, ms) =>
    Promise.race([promise, new Promise((resolve) => setTimeout(() => resolve('no answer'), ms))]);

  const isFile = (name) => {
    try {
      return FS.isFile(FS.stat(name).mode);
    } catch (error) {
      return false;
    }
  };
  const fileSize = (name) => FS.stat(name).size;
  const storedSets = () =>
    FS.readdir('.')
      .filter((name) => !name.startsWith('.') && isFile(name) && fileSize(name) === AreaSetSize)
      .sort();

  // Why `name` cannot name a file of the storage folder, or ''.
  const nameProblem = (name) => {
    if (name === '') return 'Type a name.';
    if (name.includes('/')) return 'A name cannot hold "/": the sets lie in one folder.';
    if (name.startsWith('.')) return 'A name cannot start with a dot.';
    if (name.includes('\0')) return 'A name cannot hold a NUL character.';
    return '';
  };

  const note = (text) => {
    const line = element('storage-note');
    line.textContent = text;
    line.hidden = false;
  };

  // Reads the stored files into the storage folder: true when it worked.
  async function readStorage() {
    try {
      FS.mkdir(StorageFolder);
      FS.mount(IDBFS, {}, StorageFolder);
      const error = await within(sync(true), StorageWaitMs);
      if (error === null) return true;
      console.warn(`tesselle: the browser's storage cannot be read: ${error}`);
    } catch (error) {
      console.warn(`tesselle: the browser's storage cannot be used: ${error}`);
    }
    return false;
  }
  // Read while the program and the demo set still download.
  let storageRead = null;
  (Module.preRun = Module.preRun || []).push(() => {
    storageRead = readStorage();
  });

  async function prepareStorage() {
    const folder = (await storageRead) ? StorageFolder : MemoryFolder;
    if (folder === MemoryFolder) {
      FS.mkdir(MemoryFolder);
      note(
        'This browser keeps no storage for this page: saves last only until the page ' +
          'closes. Download the set to keep it.',
      );
    }
    FS.chdir(folder);
    state.persistent = folder === StorageFolder;
    const first = FS.readdir('.').every((name) => name === '.' || name === '..');
    if (first) {
      // Stored while the program starts on it; a save would store it too.
      for (const name of DemoFiles) FS.writeFile(name, FS.readFile(`${DemoFolder}/${name}`));
      if (state.persistent)
        sync(false).then((error) => {
          if (error) note(`The demo set could not be stored in this browser: ${error}`);
        });
    }
    state.prepared = true;
  }

  // --- Picture --------------------------------------------------------------
  function bindCanvas(pixels) {
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, PictureWidth * PictureHeight * 4);
    state.image = new ImageData(bytes, PictureWidth, PictureHeight);
  }

  // rects: `count` records of x, y, width, height (32-bit each).
  function putRects(rects, count, started) {
    let area = 0;
    for (let i = 0, at = rects >> 2; i < count; ++i, at += 4) {
      context.putImageData(state.image, 0, 0, HEAP32[at], HEAP32[at + 1], HEAP32[at + 2], HEAP32[at + 3]);
      area += HEAP32[at + 2] * HEAP32[at + 3];
    }
    const slot = presents.count++ % presents.ms.length;
    presents.ms[slot] = performance.now() - started;
    presents.pixels[slot] = area;
    if (!state.firstFrame) {
      state.firstFrame = true;
      performance.mark('tesselle-first-frame');
    }
  }

  // The picture at the largest whole scale that leaves room for the status.
  function fit() {
    const width = document.documentElement.clientWidth - 16;
    const height = window.innerHeight - status.offsetHeight - 24;
    const factor = Math.max(1, Math.floor(Math.min(width / PictureWidth, height / PictureHeight)));
    canvas.style.width = `${PictureWidth * factor}px`;
    canvas.style.height = `${PictureHeight * factor}px`;
  }

  // --- Status ---------------------------------------------------------------
  function showStatus(line, title, fileName, unsaved) {
    state.running = true;
    status.textContent = line;
    document.title = title;
    state.fileName = fileName;
    state.unsaved = unsaved;
  }

  function ended(code) {
    state.running = false;
    state.ended = true;
    status.textContent =
      code === 0 || code === 0x60
        ? 'Tesselle has ended. Reload the page to start it again.'
        : `Tesselle has ended with status ${code}. Reload the page to start it again.`;
  }

  // --- Dialogs --------------------------------------------------------------
  // Shows `dialog` until `settle` is called with the answer; `wire` adds the
  // dialog's handlers through `on`, which takes them away again at the end.
  function runDialog(dialog, wire) {
    return new Promise((resolve) => {
      const stop = new AbortController();
      const on = (target, type, handler) =>
        target.addEventListener(type, handler, { signal: stop.signal });
      const settle = (answer) => {
        stop.abort();
        dialog.close();
        canvas.focus();
        resolve(answer);
      };
      dialog.showModal();
      wire(on, settle);
    });
  }

  // Yes, No and (for a question with it) Cancel; Y, N, Esc (Cancel, or No
  // without it) and Enter (the focused button, at first the default one,
  // whose answer is byDefault).
  function question(text, withCancel, byDefault) {
    const dialog = element('question');
    const buttons = [
      [element('question-yes'), IDYES],
      [element('question-no'), IDNO],
      [element('question-cancel'), IDCANCEL],
    ];
    element('question-text').textContent = text;
    element('question-cancel').hidden = !withCancel;
    const escape = withCancel ? IDCANCEL : IDNO;
    return runDialog(dialog, (on, settle) => {
      for (const entry of buttons) on(entry[0], 'click', () => settle(entry[1]));
      on(dialog, 'cancel', (event) => {
        event.preventDefault();
        settle(escape);
      });
      on(dialog, 'keydown', (event) => {
        const key = event.key.toLowerCase();
        const focused = buttons.find((entry) => entry[0] === document.activeElement);
        if (key === 'y') settle(IDYES);
        else if (key === 'n') settle(IDNO);
        else if (key === 'escape') settle(escape);
        else if (key === 'enter') settle(focused ? focused[1] : byDefault);
        else return;
        event.preventDefault();
      });
      buttons.find((entry) => entry[1] === byDefault)[0].focus();
    });
  }

  function message(text) {
    const dialog = element('message');
    element('message-text').textContent = text;
    return runDialog(dialog, (on, settle) => {
      on(element('message-ok'), 'click', () => settle());
      on(dialog, 'cancel', (event) => {
        event.preventDefault();
        settle();
      });
      element('message-ok').focus();
    });
  }

  // Save As: the name the set is to be saved under, typed in the page; null
  // on cancel.
  function askName(current, maxBytes) {
    const dialog = element('name-dialog');
    const input = element('name-input');
    const hint = element('name-note');
    input.value = current;
    hint.textContent = 'A name without an extension gets .out.';
    return runDialog(dialog, (on, settle) => {
      on(element('name-form'), 'submit', (event) => {
        event.preventDefault();
        const name = input.value;
        let why = nameProblem(name);
        if (!why && lengthBytesUTF8(name) + 1 > maxBytes) why = 'The name is too long.';
        if (why) hint.textContent = why;
        else settle(name);
      });
      on(element('name-cancel'), 'click', () => settle(null));
      on(dialog, 'cancel', (event) => {
        event.preventDefault();
        settle(null);
      });
      input.focus();
      input.select();
    });
  }

  // The open dialog: the stored sets, "From your computer…" and a new set.
  function chooseSet(why) {
    const dialog = element('open-dialog');
    const list = element('open-list');
    const sets = storedSets();
    list.replaceChildren(
      ...sets.map((name) => {
        const item = document.createElement('li');
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = name;
        button.dataset.set = name;
        item.append(button);
        return item;
      }),
    );
    element('open-empty').hidden = sets.length > 0;
    element('open-note').textContent = why;
    return runDialog(dialog, (on, settle) => {
      on(list, 'click', (event) => {
        const name = event.target.dataset && event.target.dataset.set;
        if (name) settle(name);
      });
      on(element('open-computer'), 'click', () => element('open-files').click());
      on(element('open-new'), 'click', () => settle(null));
      on(dialog, 'cancel', (event) => {
        event.preventDefault();
        settle(null);
      });
      (list.querySelector('button') || element('open-new')).focus();
    });
  }

  // The program's open dialog: ?open=NAME and ?new answer it; otherwise the
  // user does. 1 with the name written at `pointer`, 0 for a new set.
  async function openDialog(pointer, size) {
    let why = '';
    let name = null;
    if (address.has('open')) {
      name = address.get('open');
      why = nameProblem(name) || (isFile(name) ? '' : `${name} is not in this browser's storage.`);
    } else if (address.has('new')) {
      return 0;
    }
    for (;;) {
      if (name !== null && !why && lengthBytesUTF8(name) + 1 > size) why = 'That name is too long.';
      if (name !== null && !why) {
        stringToUTF8(name, pointer, size);
        return 1;
      }
      name = await chooseSet(why);
      if (name === null) return 0;
      why = '';
    }
  }

  // The program's Save As dialog, from the name at `pointer`.
  async function nameDialog(pointer, size) {
    const name = await askName(UTF8ToString(pointer), size);
    if (name === null) return 0;
    stringToUTF8(name, pointer, size);
    return 1;
  }

  // --- Files from the user's computer -------------------------------------
  // Cells.dap, Cells.id and area sets go into the storage, replacing files of
  // the same name, and the page opens again on the first set chosen (or the
  // current one). A file of the wrong size refuses the whole choice.
  async function takeFiles(files) {
    if (!state.prepared) {
      await message('The page is still starting: choose the files again in a moment.');
      return;
    }
    const refused = [];
    for (const file of files) {
      const minimum = MinimumSizes[file.name];
      const why = nameProblem(file.name);
      if (why) refused.push(`${file.name}: ${why}`);
      else if (minimum !== undefined && file.size < minimum)
        refused.push(`${file.name} is ${file.size} bytes, at least ${minimum} are needed`);
      else if (minimum === undefined && file.size !== AreaSetSize)
        refused.push(`${file.name} is ${file.size} bytes, an area set has exactly ${AreaSetSize}`);
    }
    if (refused.length > 0) {
      await message(`Nothing is stored: ${refused.join('; ')}.`);
      return;
    }
    if (!state.persistent) {
      await message('This browser keeps no storage for this page, so files cannot be opened.');
      return;
    }
    if (state.running && state.unsaved) {
      const name = state.fileName || 'the new set';
      const answer = await question(
        `Opening these files drops the unsaved changes to ${name}. Go on?`, false, IDNO);
      if (answer !== IDYES) return;
    }
    const contents = await Promise.all(files.map((file) => file.arrayBuffer()));
    files.forEach((file, i) => FS.writeFile(file.name, new Uint8Array(contents[i])));
    const error = await sync(false);
    if (error) {
      await message(`The browser's storage did not take the files: ${error}`);
      return;
    }
    const set = files.find((file) => MinimumSizes[file.name] === undefined);
    const name = set ? set.name : state.fileName;
    state.leaving = true;
    location.replace(`${location.pathname}${name ? `?open=${encodeURIComponent(name)}` : '?new'}`);
  }

  element('open-files').addEventListener('change', (event) => {
    const files = [...event.target.files];
    event.target.value = '';
    canvas.focus();
    if (files.length > 0) takeFiles(files);
  });

  // --- Download -------------------------------------------------------------
  element('download').addEventListener('click', (event) => {
    const link = event.currentTarget;
    const name = state.fileName;
    if (!name || !state.prepared || !isFile(name)) {
      event.preventDefault();
      message(
        name
          ? `${name} is not in this browser's storage yet: save it with F3 first.`
          : 'A new set has no file yet: save it with F3 first.',
      );
      return;
    }
    if (link.href.startsWith('blob:')) URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(new Blob([FS.readFile(name)], { type: 'application/octet-stream' }));
    link.download = name;
    canvas.focus(); // the keys go on to the program
  });

  // --- The page ---------------------------------------------------------------
  window.addEventListener('beforeunload', (event) => {
    if (!state.running || !state.unsaved || state.leaving) return;
    event.preventDefault();
    event.returnValue = '';
  });
  window.addEventListener('resize', fit);
  // A right click on the picture is the program's, not the browser's menu.
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  Module.onAbort = (what) => {
    state.running = false;
    status.textContent = `Tesselle has stopped: ${what}`;
  };
  fit();
  canvas.focus();

  return {
    prepareStorage, bindCanvas, putRects, showStatus, ended,
    openDialog, nameDialog, question, message, presents,
  };
})();
