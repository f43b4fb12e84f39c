#!/usr/bin/env bash
# Builds the Debian package of the last commit twice, from two clones in two folders, the
# second under umask 002, and fails unless the two packages are identical to the bit. Prints
# the package's path last; the first clone's build folder stays for further checks.
#
#   scripts/reproducible_package.sh [FOLDER]      (build-package by default)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-package}

if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "note: the package is built from the last commit, without the uncommitted changes" >&2
fi
rm -rf "$out"
mkdir -p "$out"

build_in() {  # build_in FOLDER UMASK
  local folder=$out/$1 log=$out/$1.log
  git clone -q . "$folder"
  if ! (umask "$2" && cd "$folder" && cmake --preset app -DCOMBICALC_WERROR=ON && cmake --build --preset app --target package) \
      >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "building the package in $folder failed; the whole log is $log" >&2
    exit 1
  fi
}
build_in one 022
build_in two 002

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/one/build-app/CMakeCache.txt")
name=combicalc_${version}_$(dpkg --print-architecture).deb
one=$out/one/build-app/$name
two=$out/two/build-app/$name
if ! cmp -s "$one" "$two"; then
  diff <(dpkg-deb -c "$one") <(dpkg-deb -c "$two") >&2 || true
  echo "the two builds of the package differ: $one and $two (diffoscope tells where)" >&2
  exit 1
fi
echo "two builds, one under umask 002, are identical: $(sha256sum "$one" | cut -d' ' -f1)" >&2
echo "$one"
