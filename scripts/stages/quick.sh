#!/usr/bin/env bash
# The inner loop: the formatting and the scripts checked (shellcheck; flake8 for the Python;
# eslint, from the page's test tools, for the JavaScript), then the release build, clang-tidy's
# check that no function is too involved, and the build's unit, replay and window tests, all
# but those labelled slow (the program on a real X server and under a screen reader, and the
# sweep against exact mathematics).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
combicalc_install_for quick

echo "== formatting and scripts"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
git ls-files run test .ci/run '*.sh' | xargs shellcheck -x
git ls-files '*.py' | xargs flake8
driver=$(scripts/deps/page_driver.sh)
git ls-files '*.js' | NODE_PATH=$driver xargs node "$driver/eslint/bin/eslint.js"
# Each package in one list: debian/control's Build-Depends, or one group of the set-up.
repeated=$( (
  sed -n '/^Build-Depends:/,/^[^ ]/{/^Build-Depends:\|^ /p}' debian/control | sed 's/^Build-Depends://' | tr ',' '\n'
  for group in "${!combicalc_packages_@}"; do
    list="${group}[@]"
    printf '%s\n' "${!list}"
  done
) | awk 'NF {print $1}' | sort | uniq -d)
[ -z "$repeated" ] || fail "packages in more than one list: $repeated"

echo "== release build"
combicalc_build release -DCOMBICALC_WERROR=ON
# Every function of the product short and plain (.clang-tidy), on the build's compile commands;
# the page's two files build with emscripten only, under ./test cross. The count of warnings
# clang-tidy left unshown (the headers') is not a finding.
echo "== short functions"
git ls-files 'app/*.cpp' 'qt_window/*.cpp' 'presenter/*.cpp' 'compute/*.cpp' 'user_texts/*.cpp' 'window_state/*.cpp' |
  xargs -P2 -n4 clang-tidy -p build --quiet 2>&1 | { grep -v '^[0-9]* warnings\? generated\.$' || true; }
ctest --preset quick
