#!/usr/bin/env bash
# Installs the browser drivers the page's tests use (puppeteer-core for chromium and Firefox,
# selenium-webdriver for WebKitGTK), axe-core for its audit, and eslint, which lints the
# project's JavaScript (tests/web/package.json, their versions locked in package-lock.json),
# from the npm registry, once, into a cache folder outside the tree, and prints its
# node_modules folder. The drivers drive Debian's browsers: no browser is downloaded (the
# install scripts that would are never run). Every version is one whose "engines" admit
# Debian 12's node, 18.20.4 (eslint 9.39, not 10; selenium-webdriver 4.27, since 4.28
# wants 18.20.5): npm refuses to install one that does not admit the node it runs on.
#
#   scripts/deps/page_driver.sh   (the cache is $COMBICALC_CACHE, by default ~/.cache/combicalc)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
# A node from another source than Debian's brings its npm; Debian's comes apart.
# What is printed is the folder alone: the install's words go to standard error.
command -v npm >/dev/null || combicalc_install_missing npm >&2

install_driver() {  # install_driver PREFIX WORK
  mkdir -p "$1" && cp tests/web/package.json tests/web/package-lock.json "$1/" &&
    (cd "$1" && npm ci --engine-strict --ignore-scripts --no-audit --no-fund)
}
prefix=$(combicalc_cached_build page-driver "$(node --version)" "$(cat tests/web/package-lock.json)" "a few seconds" install_driver)
echo "$prefix/node_modules"
