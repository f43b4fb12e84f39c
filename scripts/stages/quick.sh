#!/usr/bin/env bash
# The inner loop: the formatting and the scripts checked, then the release build and its
# unit, replay and window tests, all but those labelled slow (the program on a real X server
# and under a screen reader, and the sweep against exact mathematics).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
combicalc_install_for quick

echo "== formatting and scripts"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
git ls-files run test .ci/run '*.sh' | xargs shellcheck -x

echo "== release build"
combicalc_build release -DCOMBICALC_WERROR=ON
ctest --preset quick
