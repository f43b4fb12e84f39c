// Debian's chromium, headless, driven by playwright-core (NODE_PATH names its folder): the
// driver's own browser is never downloaded.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { chromium } = require('playwright-core');

// As root and on a machine with no network: no sandbox, and none of the browser's own
// connections.
const kArguments = ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--no-first-run', '--disable-quic'];

function launch() {
  return chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: kArguments });
}

// A new page in `locale`, at `url`, once the program has opened the window; any script error
// or unexpected dialog of the browser's fails the test.
async function openPage(browser, url, locale = 'en-US') {
  const context = await browser.newContext({ locale });
  const page = await context.newPage();
  page.on('pageerror', (error) => { throw new Error(`script error on the page: ${error.message}`); });
  page.on('dialog', (dialog) => { throw new Error(`unexpected browser dialog: ${dialog.message()}`); });
  await page.goto(url);
  await page.waitForSelector('body[data-ready]');
  return page;
}

// Serves the files of `folder` on 127.0.0.1, as a web server serves the page's separate
// files; resolves to the server and its address.
async function serveFolder(folder) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };
  const server = http.createServer((request, response) => {
    const file = path.join(folder, path.basename(new URL(request.url, 'http://localhost').pathname));
    if (!types[path.extname(file)] || !fs.existsSync(file)) return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

module.exports = { launch, openPage, serveFolder };
