// The browser build's figures beside its budgets: the gzipped size of
// tesselle.js and tesselle.wasm (the demo data apart), the time from
// navigation to the first frame on the canvas in headless chromium, and the
// main-thread time of presenting a cursor-sized change (the page counts each
// present: the conversion of the changed spans and their putImageData).
// Figures to read, not a test: it fails only when it cannot measure.
// Usage: node web_figures.mjs BUILD_WEB
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';

import { firstFrame, startBrowser } from '../tests/web/chromium.mjs';

const folder = resolve(process.argv[2] || 'build-web');
const Budget = { kilobytes: 300, firstFrameMs: 1000, presentMs: 0.2 };
const CursorSized = 64 * 32; // the cursor's 32 x 32 box, on at most two 32-pixel spans
const Loads = 6;

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const line = (what, figure, budget) =>
  console.log(`${what.padEnd(44)} ${figure.padStart(12)}   budget ${budget}`);

let total = 0;
for (const file of ['tesselle.js', 'tesselle.wasm']) {
  const bytes = readFileSync(join(folder, file));
  const gzipped = gzipSync(bytes, { level: 9 }).length;
  total += gzipped;
  line(`${file} gzipped (${(bytes.length / 1024).toFixed(1)} KB plain)`, `${(gzipped / 1024).toFixed(1)} KB`, '');
}
line('tesselle.js + tesselle.wasm gzipped', `${(total / 1024).toFixed(1)} KB`, `${Budget.kilobytes} KB`);

const session = await startBrowser(folder);
try {
  const page = await session.browser.newPage();
  // The browser's own first navigation to the server (its network and
  // renderer starting) is not the page's.
  await page.goto(`${session.url}warm-up`);
  const firstFrames = [];
  const documents = [];
  for (let i = 0; i < Loads; ++i) {
    await page.goto(`${session.url}?open=Areas.out`);
    await firstFrame(page);
    const [frame, document] = await page.evaluate(() => [
      performance.getEntriesByName('tesselle-first-frame')[0].startTime,
      performance.getEntriesByType('navigation')[0].responseEnd,
    ]);
    firstFrames.push(frame);
    documents.push(document);
  }
  line('first frame, first visit (storage filled)', `${firstFrames[0].toFixed(0)} ms`, `${Budget.firstFrameMs} ms`);
  line(`first frame, median of ${Loads - 1} later visits`, `${median(firstFrames.slice(1)).toFixed(0)} ms`,
    `${Budget.firstFrameMs} ms`);
  line('  of which until index.html arrived (median)', `${median(documents).toFixed(0)} ms`, '');

  // The area editor left idle: its cursor changes colour every other frame.
  await new Promise((done) => setTimeout(done, 3000));
  const presents = await page.evaluate(() => {
    const { ms, pixels, count } = Module.tesselle.presents;
    const kept = Math.min(count, ms.length);
    return Array.from({ length: kept }, (_, i) => [ms[i], pixels[i]]);
  });
  const cursor = presents.filter(([, pixels]) => pixels > 0 && pixels <= CursorSized).map(([ms]) => ms);
  if (cursor.length < 20) throw new Error(`only ${cursor.length} cursor-sized presents were seen`);
  const sorted = [...cursor].sort((a, b) => a - b);
  line(`cursor-sized present, median of ${cursor.length}`, `${median(cursor).toFixed(3)} ms`, `${Budget.presentMs} ms`);
  line('cursor-sized present, mean', `${(cursor.reduce((a, b) => a + b, 0) / cursor.length).toFixed(3)} ms`,
    `${Budget.presentMs} ms`);
  line('cursor-sized present, 95th percentile', `${sorted[Math.floor(sorted.length * 0.95)].toFixed(3)} ms`,
    `${Budget.presentMs} ms`);
} finally {
  await session.close();
}
