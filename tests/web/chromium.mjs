// Debian's chromium, headless, driven through puppeteer-core, with the page
// of a browser build served on 127.0.0.1: shared by the browser test and the
// web figures script. Each launch has a fresh profile, removed at close.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

import { serve } from '../../platform/web/serve.mjs';

const Chromium = process.env.CHROMIUM || '/usr/bin/chromium';

// Without these a closed network refuses the browser's own connections, and
// as root chromium needs --no-sandbox.
const Arguments = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-default-apps', '--disable-extensions', '--window-size=1024,768',
];

// Serves `folder` and starts the browser: { browser, url, close() }.
export async function startBrowser(folder) {
  const server = await serve(folder);
  const profile = mkdtempSync(join(tmpdir(), 'tesselle-chromium.'));
  const end = () => {
    server.close();
    rmSync(profile, { recursive: true, force: true });
  };
  const browser = await puppeteer.launch({
    executablePath: Chromium, headless: true, userDataDir: profile, args: Arguments,
    defaultViewport: { width: 1024, height: 768 },
  }).catch((error) => {
    end();
    throw error;
  });
  return {
    browser,
    url: `http://127.0.0.1:${server.address().port}/`,
    async close() {
      await browser.close().catch(() => {});
      end();
    },
  };
}

// Resolves once the page has put its first frame on the canvas.
export function firstFrame(page, timeout = 20000) {
  return page.waitForFunction(
    () => performance.getEntriesByName('tesselle-first-frame').length > 0, { timeout });
}
