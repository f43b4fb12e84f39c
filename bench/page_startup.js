#!/usr/bin/env node
// Start-up of the page in Debian's chromium, headless: the time from the start of the
// navigation to an interactive window (the page's "combicalc-interactive" mark), for the one
// file opened from disk and for the separate files from a local web server, side by side
// with an empty page's load for scale; medians of ROUNDS fresh tabs, and the files' sizes.
//
//   NODE_PATH=$(scripts/deps/page_driver.sh) bench/page_startup.js [ROUNDS]   (after ./test cross)
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, serveFolder } = require('../tests/web/browser.js');

const web = path.join(__dirname, '..', 'build-cross', 'wasm', 'web');
const rounds = Number(process.argv[2] || 21);
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function measure(browser, url, mark) {
  const times = [];
  for (let i = 0; i < rounds; ++i) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(url);
    times.push(await page.evaluate(async (name) => {
      if (!name) return performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd;
      while (performance.getEntriesByName(name).length === 0) await new Promise((r) => setTimeout(r, 5));
      return performance.getEntriesByName(name)[0].startTime;
    }, mark));
    await context.close();
  }
  return median(times);
}

async function main() {
  const empty = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'page-')), 'empty.html');
  fs.writeFileSync(empty, '<!doctype html><title>empty</title>');
  const { server, url } = await serveFolder(path.join(web, 'server'));
  const browser = await launch();
  try {
    const rows = [
      ['empty page, from disk', pathToFileURL(empty).href, null, [empty]],
      ['combicalc.html, from disk', pathToFileURL(path.join(web, 'combicalc.html')).href, 'combicalc-interactive',
        [path.join(web, 'combicalc.html')]],
      ['server/, over HTTP', `${url}combicalc.html`, 'combicalc-interactive',
        ['combicalc.html', 'combicalc.js', 'combicalc.wasm'].map((f) => path.join(web, 'server', f))],
    ];
    console.log(`median of ${rounds} fresh tabs`);
    for (const [name, url, mark, files] of rows) {
      const bytes = files.reduce((sum, file) => sum + fs.statSync(file).size, 0);
      const ms = await measure(browser, url, mark);
      console.log(`${name.padEnd(28)} ${ms.toFixed(0).padStart(5)} ms  ${(bytes / 1024).toFixed(0).padStart(5)} KiB`);
    }
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((error) => { console.error(error.message); process.exit(1); });
