// Debian's chromium, headless, driven by playwright-core (NODE_PATH names its folder): the
// driver's own browser is never downloaded.
'use strict';
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

module.exports = { launch, openPage };
