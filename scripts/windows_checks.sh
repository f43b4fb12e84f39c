#!/usr/bin/env bash
# Builds the whole program for 64-bit Windows (MinGW-w64, against the Qt and MPFR that
# scripts/windows_qt.sh and scripts/mingw_mpfr.sh build once) and checks it under wine: the
# window tests; the folder the installer and the zip ship (a GUI program, and every DLL that
# something in it loads, nothing more, with Windows' own left to Windows); then the
# installer itself, as a user runs it (scripts/windows_installer_check.sh). Leaves the
# installer and the zip in build-windows/.
#
#   scripts/windows_checks.sh
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$(scripts/windows_qt.sh)
mpfr=$(scripts/mingw_mpfr.sh)
host_cmake=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake

fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p build-windows
log=build-windows/build.log
if ! { cmake --preset windows -DCMAKE_PREFIX_PATH="$qt;$mpfr" -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" -DCOMBICALC_WERROR=ON &&
  cmake --build --preset windows && cmake --build build-windows --target package; } >"$log" 2>&1; then
  tail -n 40 "$log"
  fail "building for Windows failed; the whole log is $log"
fi
installer=$(ls build-windows/combicalc-*-win64.exe)
zip=$(ls build-windows/combicalc-*-win64.zip)

# The tests in a Windows installation of their own, with no display: wine's null graphics
# driver gives them windows nowhere, and Qt's offscreen platform draws them. The DLLs are
# found where the build found them for the folder it ships.
export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wine cmd /c exit >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
  wineserver -w  # the desktop wine started with no driver goes; the next one has the null one
fi
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
scripts/windows_installer_check.sh "$installer"
