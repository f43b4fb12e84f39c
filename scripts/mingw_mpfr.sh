#!/usr/bin/env bash
# Builds GMP and MPFR for 64-bit Windows (MinGW-w64, static) from Debian's source packages,
# once, into a cache folder outside the tree, and prints that folder. Later calls find it
# and print it at once. The folder's name holds everything the build depends on, so a new
# source version, compiler or option builds anew beside the old one.
#
#   scripts/mingw_mpfr.sh            (the cache is $COMBICALC_CACHE, by default ~/.cache/combicalc)
set -euo pipefail
cd "$(dirname "$0")/.."

host=x86_64-w64-mingw32
configure_options=(--host="$host" --enable-static --disable-shared)
source_version() { apt-cache showsrc "$1" | awk '/^Version:/ {print $2; exit}'; }
gmp_version=$(source_version gmp)
mpfr_version=$(source_version mpfr4)
if [ -z "$gmp_version" ] || [ -z "$mpfr_version" ]; then
  echo "apt-get knows no source of gmp or mpfr4 (deb-src entries?)" >&2
  exit 1
fi
compiler_version=$("$host-gcc-posix" -dumpfullversion)
key=$(printf '%s\n' "$gmp_version" "$mpfr_version" "$compiler_version" "${configure_options[*]}" | sha256sum | cut -c1-12)
prefix=${COMBICALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/combicalc}/mingw-mpfr-${mpfr_version//[:~]/_}-$key

if [ ! -f "$prefix/done" ]; then
  echo "Building GMP $gmp_version and MPFR $mpfr_version for Windows once, into $prefix (about 5 minutes)" >&2
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  log=$work/build.log
  build() {  # build SOURCE-PACKAGE [configure options...]
    local package=$1
    shift
    (cd "$work" && apt-get source --download-only -qq "$package" && dpkg-source -x ./"$package"_*.dsc "$package")
    # Debian's GMP source leaves out the manual, which configure still expects a Makefile of.
    [ "$package" != gmp ] || { mkdir -p "$work/$package/doc" && printf 'all:\ninstall:\n' >"$work/$package/doc/Makefile.in"; }
    (cd "$work/$package" &&
      CC=$host-gcc-posix ./configure --prefix="$prefix" "${configure_options[@]}" "$@" &&
      make -j"$(nproc)" && make install)
  }
  if ! { build gmp && build mpfr4 --with-gmp="$prefix"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "building GMP and MPFR for Windows failed" >&2
    exit 1
  fi
  touch "$prefix/done"
fi
echo "$prefix"
