#!/usr/bin/env node
// Runs a replay table (tests/replay/) through the page's controls in chromium and compares the
// outcomes with the expected ones, naming the first case that differs.
//
//   replay_in_page.js PAGE.html CASES.tsv EXPECTED [--decimal-comma]
'use strict';
const fs = require('node:fs');
const { pathToFileURL } = require('node:url');
const { launch, openPage } = require('./browser.js');

async function main([pagePath, casesPath, expectedPath, option]) {
  const cases = fs.readFileSync(casesPath, 'utf8');
  const expected = fs.readFileSync(expectedPath, 'utf8');
  const browser = await launch();
  try {
    const page = await openPage(browser, pathToFileURL(pagePath).href);
    const separator = option === '--decimal-comma' ? ',' : '.';
    const actual = await page.evaluate(([text, sep]) => Module.replayCases(text, sep), [cases, separator]);
    if (actual === expected) return console.log(`${expected.split('\n').length - 1} cases, every outcome as expected`);
    const [caseLines, want, got] = [cases, expected, actual].map((text) => text.split('\n'));
    const line = want.findIndex((outcome, i) => outcome !== got[i]);
    throw new Error(`line ${line + 1}: ${caseLines[line]}\n  expected: ${want[line]}\n  actual:   ${got[line]}`);
  } finally {
    await browser.close();
  }
}

main(process.argv.slice(2)).catch((error) => { console.error(error.message); process.exit(1); });
