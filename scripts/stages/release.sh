#!/usr/bin/env bash
# The quick stage, then the release build's slow tests: the program started on a real X
# server, walked through over AT-SPI and read by Orca, and the sweep against exact
# mathematics.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
combicalc_install_for release
scripts/stages/quick.sh
echo "== the release build's slow tests"
ctest --preset release -L slow
