#!/usr/bin/env node
// Runs a replay table (tests/replay/) through the page itself in one browser engine: each
// case's option and texts put into the page's own controls, START pressed, and the outcome
// read back from them, compared line by line with the desktop's expected outcomes. The page
// opens in English, in the United States' notation, or in Denmark's for a table of decimal
// commas.
//
//   replay_in_page.js ENGINE PAGE.html CASES.tsv EXPECTED [--decimal-comma]
'use strict';
const fs = require('node:fs');
const { pathToFileURL } = require('node:url');
const { launch } = require('./browser.js');

// What each kind of report begins with, in English.
const kReportKinds = [
  ['Conversion error:', 'conversion'], ['Too many digits:', 'too-many-digits'],
  ['Number too close to 0:', 'too-close-to-zero'], ['Arithmetic fault: invalid operation', 'arithmetic:invalid'],
  ['Arithmetic fault: division by zero', 'arithmetic:divbyzero'], ['Arithmetic fault: overflow', 'arithmetic:overflow'],
  ['Overflow:', 'countdown-overflow'], ['Countdown stopped:', 'countdown-stalled'], ['Run not finished:', 'unfinished'],
  ['Control call error:', 'control'],
];

// In the page: the outcome of each case, a line each, as tests/replay/replay.h describes them.
function replayCases(cases, reportKinds) {
  const boxes = ['x', 'y', 'z', 'w', 'a', 'Text1', 'Text2', 'Text3'].map((id) => document.getElementById(id));
  const radios = [...document.querySelectorAll('.option input')];
  const report = document.querySelector('[role=alertdialog]');
  const start = document.getElementById('Command1');
  const outcomes = cases.split('\n').filter((line) => line !== '').map((line) => {
    const [option, ...texts] = line.split('\t');
    for (const radio of radios) radio.checked = radio.value === option;  // as the user left them: no event
    texts.forEach((text, i) => { boxes[i].value = text; });
    start.click();
    let kind = 'ok';
    if (report.open) {
      const message = report.querySelector('p').textContent;
      const known = reportKinds.find(([beginning]) => message.startsWith(beginning));
      kind = known ? known[1] : `a report of no kind: ${message}`;
      report.close();
    }
    return [kind, ...boxes.map((box) => box.value)].join('\t');
  });
  return `${outcomes.join('\n')}\n`;
}

async function main([engine, pagePath, casesPath, expectedPath, option]) {
  const cases = fs.readFileSync(casesPath, 'utf8');
  const expected = fs.readFileSync(expectedPath, 'utf8');
  const browser = await launch(engine, option === '--decimal-comma' ? 'en-DK' : 'en-US');
  try {
    const tab = await browser.newTab();
    await tab.goto(pathToFileURL(pagePath).href);
    const actual = await tab.evaluate(replayCases, cases, kReportKinds);
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
