#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64, DLLs, release) from Debian's qt6-base source with
# the patches beside this script, once, into a cache folder outside the tree, and prints that
# folder. Only what the calculator and its window tests need: Core, Gui, Widgets, Test, the
# Windows, offscreen and minimal platforms and the Windows styles.
#
#   scripts/deps/windows_qt.sh       (the cache is $COMBICALC_CACHE, by default ~/.cache/combicalc)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/common.sh

host=x86_64-w64-mingw32
patches=(scripts/deps/*.patch)
options=(
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_testlib=ON
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF -DFEATURE_vulkan=OFF
  # Qt's own copies of its libraries: the host's are Linux builds.
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF
)
version=$(combicalc_source_version qt6-base)
compiler=$("$host-g++-posix" -dumpfullversion)

# Run where errors do not stop the script: each step's status is passed on.
build() {  # build PREFIX WORK
  local prefix=$1 work=$2
  combicalc_unpack_source qt6-base "$work" src &&
    cat "${patches[@]}" | patch -d "$work/src" -p1 &&
    cmake -G Ninja -S "$work/src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/$host-shared.cmake" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
      -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" &&
    cmake --build "$work/build" --parallel "$(nproc)" &&
    cmake --install "$work/build"
}
combicalc_cached_build windows-qt "$version" "$(cat "${patches[@]}"; printf '%s\n' "$version" "$compiler" "${options[*]}")" \
  "about 15 minutes on two idle cores, nearer 40 beside the builds of ./test" build
