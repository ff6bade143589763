// A static file server for the browser build on 127.0.0.1, for trying the
// page (make serve-web) and for the browser tests and figures, which import
// serve(). Any static host serves the build folder as well.
// Usage: node serve.mjs FOLDER [PORT]
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const Types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
};

// Serves the files of `folder` on 127.0.0.1:`port` (0: any free port); the
// promise gives the server once it listens.
export function serve(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(root, path));
    let size = -1;
    try {
      if (file.startsWith(root + '/')) {
        const info = statSync(file);
        if (info.isFile()) size = info.size;
      }
    } catch {
      // not there: 404 below
    }
    if (size < 0 || (request.method !== 'GET' && request.method !== 'HEAD')) {
      response.writeHead(size < 0 ? 404 : 405, { 'Content-Type': 'text/plain' });
      response.end(size < 0 ? 'not found\n' : 'method not allowed\n');
      return;
    }
    response.writeHead(200, {
      'Content-Type': Types[extname(file)] || 'application/octet-stream',
      'Content-Length': size,
      'Cache-Control': 'no-cache',
      // Isolated from other origins, the page's clock is fine enough for the
      // figures script; the page loads nothing from elsewhere.
      'Cross-Origin-Opener-Policy': 'same-origin',
      'Cross-Origin-Embedder-Policy': 'require-corp',
    });
    if (request.method === 'HEAD') response.end();
    else createReadStream(file).pipe(response);
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port = '8080'] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.mjs FOLDER [PORT]');
    process.exit(2);
  }
  const server = await serve(folder, Number(port));
  console.log(`Tesselle at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
