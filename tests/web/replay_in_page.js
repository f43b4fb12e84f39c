#!/usr/bin/env node
// Runs a replay table (tests/replay/) through the page's controls in one browser engine and
// compares the outcomes with the expected ones, naming the first case that differs.
//
//   replay_in_page.js ENGINE PAGE.html CASES.tsv EXPECTED [--decimal-comma]
'use strict';
const fs = require('node:fs');
const { pathToFileURL } = require('node:url');
const { launch } = require('./browser.js');

async function main([engine, pagePath, casesPath, expectedPath, option]) {
  const cases = fs.readFileSync(casesPath, 'utf8');
  const expected = fs.readFileSync(expectedPath, 'utf8');
  const browser = await launch(engine);
  try {
    const tab = await browser.newTab();
    await tab.goto(pathToFileURL(pagePath).href);
    const separator = option === '--decimal-comma' ? ',' : '.';
    const actual = await tab.evaluate((text, sep) => Module.replayCases(text, sep), cases, separator);
    await tab.close();
    if (actual === expected) {
      return console.log(`${engine}: ${expected.split('\n').length - 1} cases, every outcome as expected`);
    }
    const [caseLines, want, got] = [cases, expected, actual].map((text) => text.split('\n'));
    const line = want.findIndex((outcome, i) => outcome !== got[i]);
    throw new Error(`line ${line + 1}: ${caseLines[line]}\n  expected: ${want[line]}\n  actual:   ${got[line]}`);
  } finally {
    await browser.close();
  }
}

main(process.argv.slice(2)).catch((error) => { console.error(error.message); process.exit(1); });
