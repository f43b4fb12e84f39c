// The page's tests in three browser engines from Debian's packages, through one small
// interface: chromium and firefox-esr driven by puppeteer-core (the DevTools protocol and
// WebDriver BiDi), WebKitGTK's MiniBrowser by selenium-webdriver over the W3C WebDriver that
// webkit2gtk-driver serves. Neither library downloads a browser. NODE_PATH names the
// node_modules folder that holds them (scripts/deps/page_driver.sh).
//
// launch(engine, locale) opens a browser whose user's language is `locale`; its newTab()
// gives a Tab with goto, evaluate, click, clickAt, fill, press, screenshot and close. A script
// error or an unexpected browser dialog on a tab fails the test that opened it: from the
// page's start in chromium and Firefox, from the moment it is ready in WebKitGTK (where a
// dialog open before then fails the next command).
'use strict';
const { spawn, spawnSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');

const kEngines = ['chromium', 'firefox', 'webkit'];

// As root and on a machine with no network: no sandbox, and none of the browser's own
// connections.
const kChromiumArguments = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-quic'];
const kFirefoxPreferences = { 'app.update.enabled': false, 'browser.shell.checkDefaultBrowser': false,
  'datareporting.policy.dataSubmissionEnabled': false, 'toolkit.telemetry.enabled': false };

// Script errors and browser dialogs, recorded in the page itself, the same way in every
// engine; a page whose start-up fails never sets data-ready, which goto waits for.
function recordFaults() {
  window.combicalcFaults = [];
  window.addEventListener('error', (event) => window.combicalcFaults.push(`script error: ${event.message}`));
  window.addEventListener('unhandledrejection', (event) => window.combicalcFaults.push(`script error: ${event.reason}`));
  for (const name of ['alert', 'confirm', 'prompt']) {
    window[name] = (message) => { window.combicalcFaults.push(`unexpected browser dialog: ${message}`); };
  }
}

class Tab {
  faults = [];  // what the driver saw go wrong before the page could record it

  // Opens `url` and, unless `ready` is false, waits until the program has opened its window.
  async goto(url, { ready = true } = {}) {
    await this.navigate(url);
    if (!ready) return;
    await this.waitFor(() => document.body && document.body.dataset.ready === 'true', 'the page to be ready');
    await this.evaluate(recordFaults);
  }

  // Waits until `predicate(...args)` holds on the page, up to five seconds.
  async waitFor(predicate, what, ...args) {
    for (const deadline = Date.now() + 5000; Date.now() < deadline;) {
      if (await this.evaluate(predicate, ...args)) return;
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
    throw new Error(`gave up waiting for ${what}`);
  }

  // Clicks the element's middle, selects all it holds and types `text` over it.
  async fill(selector, text) {
    await this.click(selector);
    await this.evaluate((s) => document.querySelector(s).select(), selector);
    await this.type(text);
  }

  async close() {
    const faults = [...this.faults, ...await this.evaluate(() => window.combicalcFaults || []).catch(() => [])];
    await this.closeTab();
    if (faults.length) throw new Error(faults.join('\n'));
  }
}

// Key names as the tests write them ('Control+Insert'), in puppeteer's words.
const kPuppeteerKeys = { C: 'KeyC', Space: ' ' };

class PuppeteerTab extends Tab {
  constructor(page) {
    super();
    this.page = page;
    page.on('pageerror', (error) => this.faults.push(`script error: ${error.message}`));
    page.on('dialog', (dialog) => {
      this.faults.push(`unexpected browser dialog: ${dialog.message()}`);
      return dialog.dismiss();
    });
  }

  navigate(url) { return this.page.goto(url); }
  evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }
  click(selector) { return this.page.click(selector); }
  clickAt(x, y) { return this.page.mouse.click(x, y); }
  type(text) { return this.page.keyboard.type(text); }

  async press(keys) {
    const names = keys.split('+').map((key) => kPuppeteerKeys[key] || key);
    for (const name of names.slice(0, -1)) await this.page.keyboard.down(name);
    await this.page.keyboard.press(names.at(-1));
    for (const name of names.slice(0, -1).reverse()) await this.page.keyboard.up(name);
  }

  async screenshot(file, selector) {
    await (selector ? await this.page.$(selector) : this.page).screenshot({ path: file });
  }

  closeTab() { return this.page.close(); }
}

async function launchPuppeteer(engine, locale) {
  const puppeteer = require('puppeteer-core');
  const options = engine === 'chromium'
    ? { browser: 'chrome', executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
      args: [...kChromiumArguments, `--lang=${locale}`, `--accept-lang=${locale}`], env: { ...process.env, LANGUAGE: locale.replace('-', '_') } }
    : { browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
      extraPrefsFirefox: { ...kFirefoxPreferences, 'intl.accept_languages': locale } };
  // A replay table is one script, of seconds to minutes on a loaded machine.
  const browser = await puppeteer.launch({ headless: true, protocolTimeout: 10 * 60 * 1000, ...options });
  return {
    async newTab() {
      const page = await browser.newPage();
      await page.setViewport({ width: 800, height: 600 });
      return new PuppeteerTab(page);
    },
    close: () => browser.close(),
  };
}

class WebDriverTab extends Tab {
  constructor(driver, Key) {
    super();
    this.driver = driver;
    this.keys = { Control: Key.CONTROL, Shift: Key.SHIFT, Insert: Key.INSERT, Enter: Key.ENTER, Space: Key.SPACE,
      Escape: Key.ESCAPE, Tab: Key.TAB, ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, C: 'c' };
  }

  navigate(url) { return this.driver.get(url); }

  // The function's text, run with the arguments given; what it returns (or resolves to).
  async evaluate(fn, ...args) {
    const [value, fault] = await this.driver.executeAsyncScript(
      `const done = arguments[arguments.length - 1];
       Promise.resolve().then(() => (${fn}).apply(null, Array.from(arguments).slice(0, -1)))
         .then((value) => done([value === undefined ? null : value, null]), (error) => done([null, String(error)]));`,
      ...args);
    if (fault) throw new Error(fault);
    return value;
  }

  async click(selector) {
    const element = await this.driver.findElement({ css: selector });
    await this.driver.actions().move({ origin: element }).click().perform();
  }

  clickAt(x, y) { return this.driver.actions().move({ x, y }).click().perform(); }
  type(text) { return this.driver.actions().sendKeys(text).perform(); }

  async press(keys) {
    const names = keys.split('+').map((key) => this.keys[key] || key);
    let actions = this.driver.actions();
    for (const name of names.slice(0, -1)) actions = actions.keyDown(name);
    actions = actions.keyDown(names.at(-1)).keyUp(names.at(-1));
    for (const name of names.slice(0, -1).reverse()) actions = actions.keyUp(name);
    await actions.perform();
  }

  // The whole tab, even where an element is named: WebKitGTK 2.50's snapshot of an element
  // under Xvfb comes out black but for its last rows.
  async screenshot(file) {
    fs.writeFileSync(file, await this.driver.takeScreenshot(), 'base64');
  }

  // A WebDriver session is one window: the tab goes with its browser.
  closeTab() { return this.browser.close(); }
}

// A free port on 127.0.0.1 for WebKitWebDriver to listen on.
function freePort() {
  return new Promise((resolve, reject) => {
    const server = http.createServer().listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    }).on('error', reject);
  });
}

// WebKitGTK takes the user's language from the C library's locale, which must exist: one is
// made for this browser alone, from Debian's locale sources (the package "locales"), in a
// folder of its own that LOCPATH names, so that the machine's locales stay as they are.
function makeLocale(folder, language) {
  const made = spawnSync('localedef', ['-i', language, '-f', 'UTF-8', path.join(folder, `${language}.UTF-8`)],
    { encoding: 'utf8' });
  if (!fs.existsSync(path.join(folder, `${language}.UTF-8`))) {
    throw new Error(`localedef could not make the locale ${language}.UTF-8: ${made.stderr || made.error}`);
  }
}

// WebKitWebDriver on a free port, once it answers; rejects if it ends first (another took the
// port, say), so that no other server's answer is taken for its own.
async function startWebDriver(env) {
  const port = await freePort();
  const server = spawn(process.env.WEBKIT_WEBDRIVER || 'WebKitWebDriver', [`--port=${port}`],
    { env, stdio: ['ignore', 'ignore', 'inherit'] });
  const exited = new Promise((resolve) => server.on('exit', resolve));
  const failed = new Promise((resolve) => server.on('error', resolve));
  const url = `http://127.0.0.1:${port}`;
  const up = () => new Promise((resolve) => http.get(`${url}/status`, (r) => resolve(r.statusCode === 200))
    .on('error', () => resolve(false)));
  for (let tries = 0; tries < 100; ++tries) {
    const ended = await Promise.race([failed, new Promise((resolve) => setTimeout(resolve, 50, null))]);
    if (ended || server.exitCode !== null) break;
    if (await up() && server.exitCode === null) return { url, stop: () => { server.kill(); return exited; } };
  }
  server.kill();
  throw new Error(`WebKitWebDriver did not start on port ${port}`);
}

// Each tab is a session of its own (MiniBrowser shows one page a session), on a display that
// DISPLAY names (an Xvfb's in the tests). Closing the browser ends every session, the server
// and the locale, whether the tests passed or not.
async function launchWebKit(locale) {
  if (!process.env.DISPLAY) throw new Error("WebKitGTK's MiniBrowser needs an X display, and DISPLAY names none");
  const { Builder, Key } = require('selenium-webdriver');
  const language = locale.replace('-', '_');
  const locales = fs.mkdtempSync(path.join(os.tmpdir(), 'combicalc-locale-'));
  let server;
  try {
    makeLocale(locales, language);
    server = await startWebDriver({ ...process.env, LOCPATH: locales, LANG: `${language}.UTF-8`, LANGUAGE: language });
  } catch (error) {
    fs.rmSync(locales, { recursive: true, force: true });
    throw error;
  }
  const miniBrowser = process.env.MINIBROWSER || fs.readdirSync('/usr/lib').filter((d) => d.endsWith('-linux-gnu'))
    .map((d) => path.join('/usr/lib', d, 'webkit2gtk-4.1', 'MiniBrowser')).find((file) => fs.existsSync(file));
  const capabilities = { browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } };
  const sessions = new Set();
  return {
    async newTab() {
      const driver = await new Builder().usingServer(server.url).withCapabilities(capabilities).build();
      sessions.add(driver);
      await driver.manage().window().setRect({ width: 800, height: 600 });
      await driver.manage().setTimeouts({ script: 10 * 60 * 1000 });  // a replay table is one script
      const tab = new WebDriverTab(driver, Key);
      tab.browser = { close: () => { sessions.delete(driver); return driver.quit(); } };
      return tab;
    },
    async close() {
      for (const driver of sessions) await driver.quit().catch(() => {});
      await server.stop();
      fs.rmSync(locales, { recursive: true, force: true });
    },
  };
}

// A browser of `engine` (one of kEngines) for a user of `locale` ('en-US', 'de-DE').
function launch(engine, locale = 'en-US') {
  if (!kEngines.includes(engine)) throw new Error(`no engine "${engine}": one of ${kEngines.join(', ')}`);
  return engine === 'webkit' ? launchWebKit(locale) : launchPuppeteer(engine, locale);
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

module.exports = { kEngines, launch, serveFolder };
