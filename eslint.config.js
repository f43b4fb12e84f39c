// The project's JavaScript, linted in ./test quick with eslint's recommended rules: the page's
// script in the browser, beside the program's Module; the tests and the benchmark in node,
// with the code they run in the page.
'use strict';
const js = require('@eslint/js');
const globals = require('globals');

module.exports = [
  js.configs.recommended,
  {
    files: ['web/page.js'],
    languageOptions: { sourceType: 'script', globals: { ...globals.browser, Module: 'writable' } },
  },
  {
    files: ['tests/web/*.js', 'bench/*.js', 'eslint.config.js'],
    languageOptions: { sourceType: 'commonjs', globals: { ...globals.node, ...globals.browser, Module: 'readonly' } },
  },
];
