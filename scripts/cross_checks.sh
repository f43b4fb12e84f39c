#!/usr/bin/env bash
# Builds the Qt-free core for other platforms and standard libraries and runs its tests
# there: the core's unit tests and the replay tables, whose outcomes must match the native
# build's to the last character (line ends aside). Each configuration is a CMake preset;
# ./test installs the compilers, emulators and libraries they need, but for MPFR for
# Windows, which scripts/mingw_mpfr.sh builds once.
#
#   scripts/cross_checks.sh [PRESET...]     (all five by default)
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(aarch64-linux i686-linux mingw-w64 clang-libcxx clang-long-double-64)

# wine keeps its own Windows installation; a private one, made once, and no debug chatter.
export WINEPREFIX=$PWD/build-cross/wine WINEDEBUG=-all

for preset in "${presets[@]}"; do
  echo "== core on $preset"
  log=build-cross/$preset.log
  mkdir -p build-cross
  options=(-DCOMBICALC_WERROR=ON)
  [ "$preset" != mingw-w64 ] || options+=("-DCOMBICALC_MINGW_MPFR=$(scripts/mingw_mpfr.sh)")
  if ! { cmake --preset "$preset" "${options[@]}" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "building for $preset failed; the whole log is $log"
    exit 1
  fi
  # Two tests starting wine at once race to set up its installation: set it up first.
  [ "$preset" != mingw-w64 ] || wine cmd /c exit >/dev/null 2>&1
  ctest --preset "$preset"
done
