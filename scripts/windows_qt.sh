#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64, DLLs, release) from Debian's qt6-base source with
# the patches in cmake/windows/, once, into a cache folder outside the tree, and prints that
# folder; later calls find it and print it at once. Only what the calculator and its window
# tests need: Core, Gui, Widgets, Test, the Windows, offscreen and minimal platforms and the
# Windows styles. The folder's name holds everything the build depends on (source version,
# compiler version, options, patches), so a change builds anew beside the old one.
#
#   scripts/windows_qt.sh            (the cache is $COMBICALC_CACHE, by default ~/.cache/combicalc)
set -euo pipefail
cd "$(dirname "$0")/.."

host=x86_64-w64-mingw32
patches=(cmake/windows/*.patch)
options=(
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_testlib=ON
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF -DFEATURE_vulkan=OFF
  # Qt's own copies of its libraries: the host's are Linux builds.
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF
)
version=$(apt-cache showsrc qt6-base | awk '/^Version:/ {print $2; exit}')
if [ -z "$version" ]; then
  echo "apt-get knows no source of qt6-base (deb-src entries?)" >&2
  exit 1
fi
compiler=$("$host-g++-posix" -dumpfullversion)
key=$({ cat "${patches[@]}"; printf '%s\n' "$version" "$compiler" "${options[*]}"; } | sha256sum | cut -c1-12)
prefix=${COMBICALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/combicalc}/windows-qt-${version//[:~+]/_}-$key

if [ ! -f "$prefix/done" ]; then
  echo "Building Qt $version for Windows once, into $prefix (about 15 minutes on two idle cores, nearer 30 beside the builds of ./test)" >&2
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  log=$work/build.log
  if ! {
    (cd "$work" && apt-get source --download-only -qq qt6-base && dpkg-source -x ./qt6-base_*.dsc src) &&
      cat "${patches[@]}" | patch -d "$work/src" -p1 &&
      cmake -G Ninja -S "$work/src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/$host-shared.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" &&
      cmake --build "$work/build" --parallel "$(nproc)" &&
      cmake --install "$work/build"
  } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "building Qt for Windows failed" >&2
    exit 1
  fi
  touch "$prefix/done"
fi
echo "$prefix"
