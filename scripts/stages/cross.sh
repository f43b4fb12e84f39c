#!/usr/bin/env bash
# Builds the Qt-free core for other platforms and standard libraries and runs its tests
# there: the core's unit tests and the replay tables, whose outcomes must match the native
# build's to the last character. GMP and MPFR for WebAssembly are built once from Debian's
# sources (scripts/deps/gmp_mpfr.sh). The WebAssembly build makes the page for browsers
# too, which is tested in Debian's chromium, Firefox ESR and WebKitGTK (on a private X
# server) with the drivers scripts/deps/page_driver.sh installs. Each configuration is a CMake preset that inherits "cross"
# (CMakePresets.json); the program for Windows has a stage of its own.
#
#   scripts/stages/cross.sh [PRESET...]     (every cross preset by default)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
source scripts/lib/xvfb.sh
combicalc_install_for cross
combicalc_enable_source_packages

# Debian's emscripten takes JavaScript modules (acorn) from Debian's folder for them, where a
# node from another source does not look by itself.
export NODE_PATH=/usr/share/nodejs

presets=("$@")
if [ ${#presets[@]} -eq 0 ]; then
  mapfile -t presets < <(python3 -c 'import json
for preset in json.load(open("CMakePresets.json"))["configurePresets"]:
    if preset.get("inherits") == "cross": print(preset["name"])')
fi
for preset in "${presets[@]}"; do
  echo "== core on $preset"
  options=(-DCOMBICALC_WERROR=ON)
  if [ "$preset" = wasm ]; then
    mpfr=$(scripts/deps/gmp_mpfr.sh wasm)
    driver=$(scripts/deps/page_driver.sh)
    options+=("-DCOMBICALC_WASM_MPFR=$mpfr" "-DCOMBICALC_PAGE_DRIVER=$driver")
    [ -n "${combicalc_xvfb_dir:-}" ] || combicalc_start_xvfb
  fi
  combicalc_logged "building for $preset" "build-cross/$preset.log" combicalc_build "$preset" "${options[@]}"
  ctest --preset "$preset"
done
