#!/usr/bin/env bash
# Builds the Debian package of the checkout's last commit with debhelper, in a clone inside
# FOLDER (made anew), and prints the .deb's path. The package is a function of the commit:
# its times are the changelog's, its modes do not follow the umask, and nothing in it records
# where it was built.
#
#   scripts/build_deb.sh FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh
[ $# -eq 1 ] || { echo "usage: scripts/build_deb.sh FOLDER" >&2; exit 2; }
folder=$(realpath -m "$1")

if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "note: the package is built from the last commit, without the uncommitted changes" >&2
fi
rm -rf "$folder"
mkdir -p "$folder"
git clone -q . "$folder/combicalc"
build() { (cd "$folder/combicalc" && dpkg-buildpackage -b -us -uc); }
combicalc_logged "building the package in $folder" "$folder/build.log" build
echo "$folder/combicalc_$(dpkg-parsechangelog -l debian/changelog -S Version)_$(dpkg --print-architecture).deb"
