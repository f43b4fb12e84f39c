#!/usr/bin/env bash
# Builds the whole program for 64-bit Windows (MinGW-w64, against the Qt, GMP and MPFR that
# scripts/deps/ builds once) and checks it under wine: the unit, replay and window tests; the
# folder the installer and the zip ship (a GUI program, and every DLL that something in it
# loads, nothing more, with Windows' own left to Windows); then the installer itself, as a
# user runs it (scripts/checks/windows_installer.sh). Leaves the installer and the zip in
# build-windows/.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
combicalc_install_for windows
combicalc_enable_source_packages
qt=$(scripts/deps/windows_qt.sh)
mpfr=$(scripts/deps/gmp_mpfr.sh mingw)
host_cmake=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake

build_and_package() {
  combicalc_build windows -DCMAKE_PREFIX_PATH="$qt;$mpfr" -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" -DCOMBICALC_WERROR=ON &&
    cmake --build build-windows --target package
}
combicalc_logged "building for Windows" build-windows/build.log build_and_package
installer=$(ls build-windows/combicalc-*-win64.exe)
zip=$(ls build-windows/combicalc-*-win64.zip)

# The tests in a Windows installation of their own, with no display: wine's null graphics
# driver gives them windows nowhere, and Qt's offscreen platform draws them. The DLLs are
# found where the build found them for the folder it ships.
combicalc_wine_prefix "$PWD/build-windows/wine" --no-display
IFS=';' read -ra dll_folders < <(sed -n 's/^COMBICALC_DLL_FOLDERS:INTERNAL=//p' build-windows/CMakeCache.txt)
WINEPATH=$(for dll_folder in "${dll_folders[@]}"; do winepath -w "$dll_folder"; done | paste -sd ';')
export WINEPATH
ctest --preset windows

echo "== what the Windows folder holds"
unzipped=$(mktemp -d)
trap 'rm -rf "$unzipped"' EXIT
unzip -q "$zip" -d "$unzipped"
folder=$(echo "$unzipped"/combicalc-*-win64)
headers=$(x86_64-w64-mingw32-objdump -p "$folder/combicalc.exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "combicalc.exe is not a GUI program"
# Windows ignores the case of DLL names: compared in lower case.
lower() { tr '[:upper:]' '[:lower:]'; }
imports=$(find "$folder" -name '*.exe' -o -name '*.dll' | while read -r binary; do
  x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'
done | lower | sort -u)
shipped=$(find "$folder" -maxdepth 1 -name '*.dll' -printf '%f\n' | lower | sort)
# Windows' own: in its system folder, or an API set, which its loader maps to one of those.
windows_own() { [ -f "$WINEPREFIX/drive_c/windows/system32/$1" ] || [[ $1 == api-ms-win-* ]]; }
for dll in $imports; do
  grep -qx "$dll" <<<"$shipped" || windows_own "$dll" || fail "$dll is loaded but neither shipped nor Windows' own"
  ! { grep -qx "$dll" <<<"$shipped" && windows_own "$dll"; } || fail "$dll is shipped but Windows has its own"
done
for dll in $shipped; do
  grep -qx "$dll" <<<"$imports" || fail "$dll is shipped but nothing loads it"
done
if x86_64-w64-mingw32-objdump -h "$folder"/*.dll "$folder"/plugins/*/*.dll "$folder/combicalc.exe" | grep -q '\.debug_'; then
  fail "a shipped binary keeps its debugging sections"
fi
echo "a GUI program with $(wc -w <<<"$shipped") DLLs beside it, all loaded, none of Windows' own, all stripped:" \
  "$(tr '\n' ' ' <<<"$shipped")"
echo "installer $(du -h "$installer" | cut -f1), zip $(du -h "$zip" | cut -f1), installed $(du -sh "$folder" | cut -f1)"

echo "== the installer under wine"
scripts/checks/windows_installer.sh "$installer"
