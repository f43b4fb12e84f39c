#!/usr/bin/env bash
# Builds GMP and MPFR, static, from Debian's source packages for another platform, once, into
# a cache folder outside the tree, and prints that folder: for 64-bit Windows (MinGW-w64) or
# for WebAssembly (emscripten).
#
#   scripts/deps/gmp_mpfr.sh mingw|wasm   (the cache is $COMBICALC_CACHE, by default ~/.cache/combicalc)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/common.sh

target=${1:-}
case "$target" in
  mingw)
    host=x86_64-w64-mingw32
    configure=(env CC="$host-gcc-posix" ./configure --host="$host")
    make=(make)
    compiler_version=$("$host-gcc-posix" -dumpfullversion)
    ;;
  wasm)
    # GMP's configure compiles helper programs it runs on the build machine.
    configure=(env CC_FOR_BUILD=gcc emconfigure ./configure --host=none --disable-assembly)
    make=(emmake make)
    compiler_version=$(emcc --version | sed -n 1p)
    ;;
  *) echo "usage: scripts/deps/gmp_mpfr.sh mingw|wasm" >&2; exit 2 ;;
esac
configure_options=(--enable-static --disable-shared)
gmp_version=$(combicalc_source_version gmp)
mpfr_version=$(combicalc_source_version mpfr4)

# Run where errors do not stop the script: each step's status is passed on.
build() {  # build PREFIX WORK
  local prefix=$1 work=$2
  configure_and_make() {  # configure_and_make PACKAGE [configure options...]
    (cd "$work/$1" && "${configure[@]}" --prefix="$prefix" "${configure_options[@]}" "${@:2}" &&
      "${make[@]}" -j"$(nproc)" && "${make[@]}" install)
  }
  # Debian's GMP source leaves out the manual, which configure still expects a Makefile of.
  combicalc_unpack_source gmp "$work" gmp && combicalc_unpack_source mpfr4 "$work" mpfr4 &&
    mkdir -p "$work/gmp/doc" && printf 'all:\ninstall:\n' >"$work/gmp/doc/Makefile.in" &&
    configure_and_make gmp && configure_and_make mpfr4 --with-gmp="$prefix"
}
combicalc_cached_build "$target-mpfr" "$mpfr_version" \
  "$(printf '%s\n' "$gmp_version" "$mpfr_version" "$compiler_version" "${configure[*]} ${configure_options[*]}")" \
  "5 to 10 minutes" build
