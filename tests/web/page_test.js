#!/usr/bin/env node
// The page in chromium as its users use it: opened from a file with no server (and from a web
// server), a run of each mode in three languages, the error report, keyboard-only use, and
// what a screen reader is told. Screenshots of a run and of a report go into FOLDER.
//
//   page_test.js FILE_PAGE.html SERVER_PAGE.html FOLDER
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, openPage, serveFolder } = require('./browser.js');

const [filePage, serverPage, folder] = process.argv.slice(2);
const fileUrl = pathToFileURL(filePage).href;
const kInputs = ['Field 1', 'Field 2', 'Field 3', 'Field 4'];

// A text box, shown or hidden, by its accessible name.
const box = (page, name) => page.locator(`input[aria-label="${name}"]`);
const visibleInputs = (page) => page.evaluate(
  (names) => names.filter((name) => !document.querySelector(`[aria-label="${name}"]`).hidden).join(','), kInputs);
// The accessible name of what has the keyboard's focus.
const focused = (page) => page.evaluate(() => {
  const element = document.activeElement;
  return element.getAttribute('aria-label') || (element.closest('label') || element).textContent;
});
const spoken = (page, text) => page.waitForFunction((t) => document.querySelector('[role=status]').textContent === t, text,
  { timeout: 5000 }).catch(async () => assert.equal(await page.locator('[role=status]').textContent(), text));

async function runWithMouse(page, mode, typed) {
  await page.getByRole('radio', { name: mode, exact: true }).check();
  assert.equal(await visibleInputs(page), kInputs.slice(0, typed.length).join(','), `${mode} shows the inputs it reads`);
  for (const [i, text] of typed.entries()) await box(page, kInputs[i]).fill(text);
  await page.getByRole('button', { name: 'START' }).click();
}

const kRuns = [
  // name, locale, mode, typed, Answer, what a screen reader is told
  ['Factorial', 'en-US', 'Factorial', ['5'], '120', 'Answer 120'],
  ['nCr', 'en-US', 'nCr', ['5', '2'], '10', 'Answer 10'],
  ['2 Outcomes', 'en-US', '2 Outcomes', ['5', '2', '2', '1'], '0.3125', 'Answer 0.3125'],
  ['2 Outcomes in German', 'de-DE', '2 Outcomes', ['5', '2', '2', '1'], '0,3125', 'Answer: 0,3125'],
  ['2 Outcomes in Arabic', 'ar-EG', '2 Outcomes', ['5', '2', '2', '1'], '٠٫٣١٢٥',
    '\u200fالنتيجة في \u2066Answer\u2069: \u2068٠٫٣١٢٥\u2069'],
];

async function runsInEveryMode(browser) {
  for (const [name, locale, mode, typed, answer, message] of kRuns) {
    const page = await openPage(browser, fileUrl, locale);
    await runWithMouse(page, mode, typed);
    assert.equal(await box(page, 'Answer').inputValue(), answer, name);
    for (const input of kInputs) assert.equal(await box(page, input).inputValue(), input, `${name}: ${input} is reset`);
    await spoken(page, message);
    if (name === '2 Outcomes') await page.locator('#Form1').screenshot({ path: path.join(folder, 'page-run.png') });
    if (name === '2 Outcomes in Arabic') await page.screenshot({ path: path.join(folder, 'page-run-ar.png') });
    await page.context().close();
  }
}

const kReports = [
  ['not a number', 'en-US', 'Conversion error: the first input box holds "abc", which is not a number'],
  ['not a number in German', 'de-DE', 'Umwandlungsfehler: Der Text „abc“ im ersten Eingabefeld ist keine Zahl'],
];

async function reportsKeepThePageUsable(browser) {
  for (const [name, locale, message] of kReports) {
    const page = await openPage(browser, fileUrl, locale);
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await runWithMouse(page, 'nCr', ['abc', '2']);
    const report = page.getByRole('alertdialog');
    await report.waitFor();
    assert.equal(await report.locator('p').textContent(), message, name);
    assert.equal(await focused(page), await report.getByRole('button').textContent(), `${name}: OK has the focus`);
    await page.mouse.click(5, 5);  // on the dimmed page
    assert.equal(await focused(page), await report.getByRole('button').textContent(), `${name}: OK keeps the focus`);
    for (const keys of ['Control+C', 'Control+Insert']) {  // nothing selected: the whole report
      await page.evaluate(() => navigator.clipboard.writeText(''));
      await page.keyboard.press(keys);
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), message, `${name}: ${keys} copies`);
    }
    if (locale === 'de-DE') await page.screenshot({ path: path.join(folder, 'page-report-de.png') });
    await page.keyboard.press('Escape');
    await report.waitFor({ state: 'hidden' });
    assert.equal(await focused(page), 'START', `${name}: the focus back where it was`);
    assert.equal(await box(page, 'Field 1').inputValue(), 'abc', `${name}: the run ended where it failed`);
    await box(page, 'Field 1').fill('5');
    await page.getByRole('button', { name: 'START' }).click();
    assert.equal(await box(page, 'Answer').inputValue(), '10', `${name}: the page works on`);
    await page.context().close();
  }
}

// Every stop of the Tab key in order, a mode chosen with the arrow keys, a run started with
// Return and with Space, and the focus in view.
async function keyboardOnly(browser) {
  const page = await openPage(browser, fileUrl);
  const keys = page.keyboard;
  await keys.press('Tab');
  assert.equal(await focused(page), 'Factorial', 'the option group takes the focus first');
  await keys.press('Space');
  assert.equal(await visibleInputs(page), 'Field 1');
  for (let i = 0; i < 3; ++i) await keys.press('ArrowDown');
  assert.equal(await focused(page), '2 Outcomes');
  assert.equal(await visibleInputs(page), kInputs.join(','), 'the arrow keys select the mode');
  const stops = [];
  for (let i = 0; i < 6; ++i) {
    await keys.press('Tab');
    stops.push(await focused(page));
    const outline = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    assert.notEqual(outline, 'none', `${stops.at(-1)} shows the focus`);
  }
  assert.deepEqual(stops, [...kInputs, 'Answer', 'START']);
  for (const key of ['Enter', 'Space']) {
    for (const [i, text] of ['5', '2', '2', '1'].entries()) await box(page, kInputs[i]).fill(text);
    await page.getByRole('button', { name: 'START' }).focus();
    await keys.press(key);
    assert.equal(await box(page, 'Answer').inputValue(), '0.3125', `${key} on START runs`);
    await spoken(page, key === 'Enter' ? 'Answer 0.3125' : 'No new answer: Answer still shows 0.3125');
  }
  await page.context().close();
}

// The separate files, as a web server serves them.
async function fromAWebServer(browser) {
  const { server, url } = await serveFolder(path.dirname(serverPage));
  try {
    const page = await openPage(browser, `${url}combicalc.html`);
    await runWithMouse(page, 'nCr', ['5', '2']);
    assert.equal(await box(page, 'Answer').inputValue(), '10', 'served');
    await page.context().close();
  } finally {
    server.close();
  }
}

async function main() {
  const browser = await launch();
  try {
    for (const check of [runsInEveryMode, reportsKeepThePageUsable, keyboardOnly, fromAWebServer]) {
      await check(browser);
      console.log(`passed: ${check.name}`);
    }
  } finally {
    await browser.close();
  }
}

main().catch((error) => { console.error(error.stack || error.message); process.exit(1); });
