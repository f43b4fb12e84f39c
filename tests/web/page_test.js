#!/usr/bin/env node
// The page in one browser engine as its users use it: opened from a file with no server (and
// from a web server), three modes in English and one in German and Arabic, the error report,
// keyboard-only use, what a screen reader is told, and an accessibility audit (axe-core) at
// rest, after a run and with the report open. Screenshots of a run and of a report go into
// FOLDER, named for the engine.
//
//   page_test.js ENGINE FILE_PAGE.html SERVER_PAGE.html FOLDER     (ENGINE: chromium, firefox, webkit)
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, serveFolder } = require('./browser.js');

const [engine, filePage, serverPage, folder] = process.argv.slice(2);
const fileUrl = pathToFileURL(filePage).href;
const kInputs = ['Field 1', 'Field 2', 'Field 3', 'Field 4'];
const screenshot = (name) => path.join(folder, `${name}-${engine}.png`);

// A control by its accessible name: a text box's label, an option's caption, a button's
// text; as a selector for its element.
async function control(tab, name) {
  const id = await tab.evaluate((wanted) => {
    const named = (element) => element.getAttribute('aria-label') || element.textContent;
    const found = [...document.querySelectorAll('input[aria-label], label.option, button')].find((e) => named(e) === wanted);
    return found ? found.id : null;
  }, name);
  assert.ok(id, `a control named "${name}"`);
  return `#${id}`;
}
const valueOf = (tab, name) => tab.evaluate((n) => document.querySelector(`input[aria-label="${n}"]`).value, name);
const visibleInputs = (tab) => tab.evaluate(
  (names) => names.filter((name) => !document.querySelector(`[aria-label="${name}"]`).hidden).join(','), kInputs);
// The accessible name of what has the keyboard's focus.
const focused = (tab) => tab.evaluate(() => {
  const element = document.activeElement;
  return element.getAttribute('aria-label') || (element.closest('label') || element).textContent;
});
const spoken = async (tab, text) => {
  const announced = () => tab.evaluate(() => document.querySelector('[role=status]').textContent);
  await tab.waitFor((t) => document.querySelector('[role=status]').textContent === t, `"${text}" spoken`, text)
    .catch(async () => assert.equal(await announced(), text));
};
const reportOpen = (tab) => tab.evaluate(() => document.querySelector('[role=alertdialog]').open);

async function runWithMouse(tab, mode, typed) {
  await tab.click(await control(tab, mode));
  assert.equal(await visibleInputs(tab), kInputs.slice(0, typed.length).join(','), `${mode} shows the inputs it reads`);
  for (const [i, text] of typed.entries()) await tab.fill(await control(tab, kInputs[i]), text);
  await tab.click(await control(tab, 'START'));
}

// axe-core's rules on the page as it stands; any violation fails, named with its elements.
async function audit(tab, when) {
  const source = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  const violations = await tab.evaluate(async (script) => {
    if (!window.axe) (0, eval)(script);
    const results = await window.axe.run(document);
    return results.violations.map((v) => `${v.id}: ${v.help} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
  }, source);
  assert.deepEqual(violations, [], `axe-core ${when}`);
}

// A tab of a new browser for a user of `locale`, at the page from disk.
async function withPage(locale, check) {
  const browser = await launch(engine, locale);
  try {
    const tab = await browser.newTab();
    await tab.goto(fileUrl);
    await check(tab);
    await tab.close();
  } finally {
    await browser.close();
  }
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

async function runsInThreeLanguages() {
  for (const locale of ['en-US', 'de-DE', 'ar-EG']) {
    await withPage(locale, async (tab) => {
      // The captions keep the window's 9 pt (12 px) wherever the engine's text fits them.
      if (locale === 'en-US') {
        assert.equal(await tab.evaluate(() => getComputedStyle(document.querySelector('.modes')).fontSize), '12px',
          'the mode captions keep their 9 pt');
        await audit(tab, 'at rest');
      }
      for (const [name, , mode, typed, answer, message] of kRuns.filter((run) => run[1] === locale)) {
        await runWithMouse(tab, mode, typed);
        assert.equal(await valueOf(tab, 'Answer'), answer, name);
        for (const input of kInputs) assert.equal(await valueOf(tab, input), input, `${name}: ${input} is reset`);
        await spoken(tab, message);
        if (name === '2 Outcomes') {
          await tab.screenshot(screenshot('page-run'), '#Form1');
          await audit(tab, 'after a run');
        }
      }
      if (locale === 'ar-EG') await tab.screenshot(screenshot('page-run-ar'));
    });
  }
}

const kReports = [
  ['not a number', 'en-US', 'Conversion error: the first input box holds "abc", which is not a number'],
  ['not a number in German', 'de-DE', 'Umwandlungsfehler: Der Text „abc“ im ersten Eingabefeld ist keine Zahl'],
];

// What a copy put on the clipboard, as the browser puts it there: the data a copy handler
// set, or else the selection. Listened for on the window, after every handler of the page.
function recordCopies() {
  window.addEventListener('copy', (event) => {
    window.combicalcCopied = event.defaultPrevented ? event.clipboardData.getData('text/plain')
      : document.getSelection().toString();
  });
}

async function reportsKeepThePageUsable() {
  for (const [name, locale, message] of kReports) {
    await withPage(locale, async (tab) => {
      await tab.evaluate(recordCopies);
      await runWithMouse(tab, 'nCr', ['abc', '2']);
      await tab.waitFor(() => document.querySelector('[role=alertdialog]').open, 'the report');
      assert.equal(await tab.evaluate(() => document.querySelector('[role=alertdialog] p').textContent), message, name);
      const ok = await tab.evaluate(() => document.querySelector('[role=alertdialog] button').textContent);
      assert.equal(await focused(tab), ok, `${name}: OK has the focus`);
      await tab.clickAt(5, 5);  // on the dimmed page
      assert.equal(await focused(tab), ok, `${name}: OK keeps the focus`);
      for (const keys of ['Control+C', 'Control+Insert']) {  // nothing selected: the whole report
        await tab.evaluate(() => { window.combicalcCopied = null; });
        await tab.press(keys);
        assert.equal(await tab.evaluate(() => window.combicalcCopied), message, `${name}: ${keys} copies the report`);
      }
      if (locale === 'en-US') await audit(tab, 'with the report open');
      if (locale === 'de-DE') await tab.screenshot(screenshot('page-report-de'));
      await tab.press('Escape');
      assert.equal(await reportOpen(tab), false, `${name}: Escape closes the report`);
      assert.equal(await focused(tab), 'START', `${name}: the focus back where it was`);
      assert.equal(await valueOf(tab, 'Field 1'), 'abc', `${name}: the run ended where it failed`);
      // A click on the report's text (to select it) takes the focus off OK; Return still
      // closes the report.
      await tab.click(await control(tab, 'START'));
      await tab.click('[role=alertdialog] p');
      assert.notEqual(await focused(tab), ok, `${name}: the click on the text took the focus`);
      await tab.press('Enter');
      assert.equal(await reportOpen(tab), false, `${name}: Return closes the report after a click on its text`);
      await tab.fill(await control(tab, 'Field 1'), '5');
      await tab.click(await control(tab, 'START'));
      assert.equal(await valueOf(tab, 'Answer'), '10', `${name}: the page works on`);
    });
  }
}

// Texts the page reads whole however long they are in UTF-8 (the program's first read has room
// for 255 bytes; Devanagari digits take 3 each, a lone surrogate at the end 4), put into the
// first box as a script would. In this order: the room grows with the longest text read.
const kLongTexts = [
  // name, Field 1, Answer or the report's beginning
  ['255 bytes', `${'०'.repeat(84)}५`, '120'],
  ['256 bytes, the last 4 a lone surrogate', `${'०'.repeat(83)}५\uD800`, 'Conversion error:'],
  ['258 bytes', `${'०'.repeat(85)}५`, '120'],
];

async function longTextsAreReadWhole() {
  await withPage('en-US', async (tab) => {
    await tab.click(await control(tab, 'Factorial'));
    for (const [name, text, outcome] of kLongTexts) {
      await tab.evaluate((t) => { document.querySelector('input[aria-label="Field 1"]').value = t; }, text);
      await tab.click(await control(tab, 'START'));
      const report = await tab.evaluate(() => {
        const dialog = document.querySelector('[role=alertdialog]');
        const message = dialog.open ? dialog.querySelector('p').textContent : null;
        if (dialog.open) dialog.close();
        return message;
      });
      if (outcome.endsWith(':')) assert.ok(report && report.startsWith(outcome), `${name}: ${report}`);
      else assert.equal(report || await valueOf(tab, 'Answer'), outcome, name);
    }
  });
}

// Every stop of the Tab key in order, a mode chosen with the arrow keys, a run started with
// Return and with Space, and the focus in view.
async function keyboardOnly() {
  await withPage('en-US', async (tab) => {
    await tab.press('Tab');
    assert.equal(await focused(tab), 'Factorial', 'the option group takes the focus first');
    await tab.press('Space');
    assert.equal(await visibleInputs(tab), 'Field 1');
    for (let i = 0; i < 3; ++i) await tab.press('ArrowDown');
    assert.equal(await focused(tab), '2 Outcomes');
    assert.equal(await visibleInputs(tab), kInputs.join(','), 'the arrow keys select the mode');
    const stops = [];
    for (let i = 0; i < 6; ++i) {
      await tab.press('Tab');
      stops.push(await focused(tab));
      const outline = await tab.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
      assert.notEqual(outline, 'none', `${stops.at(-1)} shows the focus`);
    }
    assert.deepEqual(stops, [...kInputs, 'Answer', 'START']);
    for (const key of ['Enter', 'Space']) {
      for (const [i, text] of ['5', '2', '2', '1'].entries()) await tab.fill(await control(tab, kInputs[i]), text);
      await tab.evaluate(() => document.querySelector('button.start').focus());
      await tab.press(key);
      assert.equal(await valueOf(tab, 'Answer'), '0.3125', `${key} on START runs`);
      await spoken(tab, key === 'Enter' ? 'Answer 0.3125' : 'No new answer: Answer still shows 0.3125');
    }
  });
}

// The separate files, as a web server serves them.
async function fromAWebServer() {
  const { server, url } = await serveFolder(path.dirname(serverPage));
  const browser = await launch(engine);
  try {
    const tab = await browser.newTab();
    await tab.goto(`${url}combicalc.html`);
    await runWithMouse(tab, 'nCr', ['5', '2']);
    assert.equal(await valueOf(tab, 'Answer'), '10', 'served');
    await tab.close();
  } finally {
    await browser.close();
    server.close();
  }
}

async function main() {
  for (const check of [runsInThreeLanguages, reportsKeepThePageUsable, longTextsAreReadWhole, keyboardOnly, fromAWebServer]) {
    await check();
    console.log(`passed in ${engine}: ${check.name}`);
  }
}

main().catch((error) => { console.error(error.stack || error.message); process.exit(1); });
