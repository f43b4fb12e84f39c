#!/usr/bin/env node
// The page in Debian's chromium, headless. Start-up: the time from the start of the
// navigation to an interactive window (the page's "combicalc-interactive" mark), for the one
// file opened from disk and for the separate files from a local web server, side by side
// with an empty page's load for scale, medians of ROUNDS fresh tabs, and the files' sizes.
// Then the longest run there is, all 1000 passes (nCr of 1000000 and 500000, which ends
// unfinished), from the press of START to its report, median of ROUNDS.
//
//   NODE_PATH=$(scripts/deps/page_driver.sh) bench/page_bench.js [ROUNDS]   (after ./test cross)
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, openPage, serveFolder } = require('../tests/web/browser.js');

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
    const page = await openPage(browser, rows[1][1]);
    await page.getByRole('radio', { name: 'nCr' }).check();
    const runs = [];
    for (let i = 0; i < rounds; ++i) {
      await page.locator('#x').fill('1000000');
      await page.locator('#y').fill('500000');
      runs.push(await page.evaluate(() => {
        const start = performance.now();
        document.getElementById('Command1').click();
        return performance.now() - start;
      }));
      await page.getByRole('alertdialog').getByRole('button').click();
    }
    console.log(`${'a run of 1000 passes'.padEnd(28)} ${median(runs).toFixed(0).padStart(5)} ms`);
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((error) => { console.error(error.message); process.exit(1); });
