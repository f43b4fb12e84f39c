#!/usr/bin/env node
// The page in each browser engine (chromium, Firefox ESR, WebKitGTK), against what that engine
// allows, medians of ROUNDS:
// - start-up: from the start of the navigation to an interactive window (the page's
//   "combicalc-interactive" mark), the one file opened from disk, beside an empty page's load
//   from disk in fresh tabs of the same engine; goal: within 2x;
// - the longest run there is, all 1000 passes (nCr of 1000000 and 500000, which ends
//   unfinished), from the press of START to its report, beside its floor: the same box reads,
//   box writes and option tests (counted on that run, in its order, with what it wrote) done
//   by plain JavaScript on the same elements; goal: within 1.3x.
//
//   NODE_PATH=$(scripts/deps/page_driver.sh) bench/page_bench.js [ROUNDS] [ENGINE...]
//   (after ./test cross; WebKitGTK needs an X display: xvfb-run -a for one)
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { kEngines, launch } = require('../tests/web/browser.js');

const page = pathToFileURL(path.join(__dirname, '..', 'build-cross', 'wasm', 'web', 'combicalc.html')).href;
const [rounds = 21, ...engines] = process.argv.slice(2).map((a, i) => (i === 0 ? Number(a) : a));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Milliseconds from the navigation's start to `mark`, or to the load's end for no mark.
function sinceNavigation(mark) {
  return new Promise((resolve) => {
    const poll = () => {
      const [navigation] = performance.getEntriesByType('navigation');
      if (!mark && navigation && navigation.loadEventEnd > 0) return resolve(navigation.loadEventEnd);
      if (mark && performance.getEntriesByName(mark).length) return resolve(performance.getEntriesByName(mark)[0].startTime);
      setTimeout(poll, 5);
    };
    poll();
  });
}

async function startUp(browser, url, mark) {
  const times = [];
  for (let i = 0; i < rounds; ++i) {
    const tab = await browser.newTab();
    await tab.goto(url, { ready: false });
    times.push(await tab.evaluate(sinceNavigation, mark));
    await tab.closeTab();
  }
  return median(times);
}

// The longest run's inputs, typed as a user types them, before each round.
function prepareLongestRun() {
  document.querySelector('#Option3 input').click();  // nCr
  document.getElementById('x').value = '1000000';
  document.getElementById('y').value = '500000';
}

// One press of START, in milliseconds, and the report it opened closed again. With `count`,
// what the run did to the window's inputs, in its order: [input, 'read'|'write'|'test', text].
function pressStart(count) {
  const inputs = [...document.querySelectorAll('#Form1 input')];
  const traffic = [];
  if (count) {
    const prototype = HTMLInputElement.prototype;
    const value = Object.getOwnPropertyDescriptor(prototype, 'value');
    const checked = Object.getOwnPropertyDescriptor(prototype, 'checked');
    for (const [i, input] of inputs.entries()) {
      Object.defineProperty(input, 'value', { configurable: true,
        get() { traffic.push([i, 'read']); return value.get.call(this); },
        set(text) { traffic.push([i, 'write', text]); value.set.call(this, text); } });
      Object.defineProperty(input, 'checked', { configurable: true,
        get() { traffic.push([i, 'test']); return checked.get.call(this); }, set: checked.set });
    }
  }
  const start = performance.now();
  document.getElementById('Command1').click();
  const ms = performance.now() - start;
  for (const input of inputs) {
    delete input.value;
    delete input.checked;
  }
  document.getElementById('report').close();
  return { ms, traffic };
}

// The same traffic by plain JavaScript on the same inputs, in milliseconds.
function replayTraffic(traffic) {
  const inputs = [...document.querySelectorAll('#Form1 input')];
  let sink = 0;
  const start = performance.now();
  for (const [i, kind, text] of traffic) {
    const input = inputs[i];
    if (kind === 'read') sink += input.value.length;
    else if (kind === 'write') input.value = text;
    else sink += input.checked;
  }
  const ms = performance.now() - start;
  return sink < 0 ? -1 : ms;  // the reads' results used, so that none is left out
}

async function longestRun(browser) {
  const tab = await browser.newTab();
  await tab.goto(page);
  await tab.evaluate(prepareLongestRun);
  const { traffic } = await tab.evaluate(pressStart, true);
  const runs = [];
  const floors = [];
  for (let i = 0; i < rounds; ++i) {
    await tab.evaluate(prepareLongestRun);
    runs.push((await tab.evaluate(pressStart, false)).ms);
    await tab.evaluate(prepareLongestRun);
    floors.push(await tab.evaluate(replayTraffic, traffic));
  }
  await tab.close();
  const counts = ['read', 'write', 'test'].map((kind) => traffic.filter((t) => t[1] === kind).length);
  return { run: median(runs), floor: median(floors), counts };
}

async function main() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'page-'));
  const empty = path.join(folder, 'empty.html');
  fs.writeFileSync(empty, '<!doctype html><title>empty</title>');
  process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));
  console.log(`medians of ${rounds}`);
  console.log('engine    empty page  combicalc  ratio (goal <= 2) | longest run  its floor  ratio (goal <= 1.3)');
  for (const engine of engines.length ? engines : kEngines) {
    const browser = await launch(engine);
    try {
      const emptyLoad = await startUp(browser, pathToFileURL(empty).href, null);
      const ready = await startUp(browser, page, 'combicalc-interactive');
      const { run, floor, counts } = await longestRun(browser);
      console.log(`${engine.padEnd(9)} ${emptyLoad.toFixed(1).padStart(7)} ms ${ready.toFixed(1).padStart(7)} ms`
        + ` ${(ready / emptyLoad).toFixed(2).padStart(6)}x            | ${run.toFixed(1).padStart(8)} ms`
        + ` ${floor.toFixed(1).padStart(7)} ms ${(run / floor).toFixed(2).padStart(6)}x`
        + `   (${counts[0]} reads, ${counts[1]} writes, ${counts[2]} option tests)`);
    } finally {
      await browser.close();
    }
  }
}

main().catch((error) => { console.error(error.stack || error.message); process.exit(1); });
