#!/usr/bin/env bash
# Installs the Windows installer under wine, in a fresh Windows installation of its own on a
# private X server, as a user would, and checks what they would see: for the current user,
# silently; the Start-menu entry opens the window; nCr of 5 and 2 gives 10 and "abc" brings
# up the conversion report (both read back as text through the clipboard); the uninstaller
# then leaves no file, no Start-menu entry and no registry key behind. Then once more for
# all users, installing and uninstalling.
#
#   scripts/checks/windows_installer.sh INSTALLER.exe
set -euo pipefail
installer=$(realpath "$1")
cd "$(dirname "$0")/../.."
source scripts/lib/xvfb.sh
combicalc_start_xvfb
work=$combicalc_xvfb_dir
# A home of its own, and no menu entries or icons for the Linux desktop (wine's own
# integration, which would write them there and leave registry lines of its own).
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
unset QT_QPA_PLATFORM
# Wine's processes end before their installation goes.
trap 'wineserver -k 2>/dev/null || true; combicalc_stop_xvfb' EXIT
# Waits, within a bound, until the command succeeds.
wait_until() {  # wait_until WHAT COMMAND...
  local what=$1 _
  shift
  for _ in $(seq 300); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "$what"
}
# Every file of the Windows installation and every registry line that names the program;
# not the temporary files, nor the folder that holds every user's own programs, which the
# first one made and the last one's uninstaller leaves, as on Windows.
traces() {
  wineserver -w  # gone, and the registry written to disk
  (cd "$WINEPREFIX" && find drive_c -path '*/Temp' -prune -o -print | grep -vx 'drive_c/users/[^/]*/AppData/Local/Programs' | sort)
  grep -hi combicalc "$WINEPREFIX"/*.reg || true
}
clipboard() { xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }
keys() { xdotool key --delay 100 "$@"; }

# The installer run silently in MODE, which must put the program in FOLDER and its entry at
# SHORTCUT; the uninstaller it left, which must leave no trace.
install_for() {  # install_for MODE FOLDER SHORTCUT
  echo "installing for $1"
  wine "$installer" /S "/$1"
  [ -f "$2/combicalc.exe" ] || fail "no combicalc.exe in $2"
  [ -f "$3" ] || fail "no Start-menu entry: $3"
}
uninstall_for() {  # uninstall_for MODE FOLDER
  echo "uninstalling for $1"
  wine "$2/Uninstall.exe" /S "/$1"
  wait_until "the uninstaller left $2" test ! -e "$2"
  local after
  after=$(traces)
  [ "$after" = "$before" ] || fail "the uninstaller left traces: $(diff <(printf '%s\n' "$before") <(printf '%s\n' "$after"))"
}

openbox >/dev/null 2>&1 &
combicalc_stop_on_exit $!
combicalc_wine_prefix "$work/wine"
before=$(traces)

profile=$(winepath -u "$(wine cmd /c echo %USERPROFILE% | tr -d '\r')")
folder=$profile/AppData/Local/Programs/combicalc
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/combicalc.lnk"
install_for CurrentUser "$folder" "$shortcut"

echo "starting it from its Start-menu entry"
wine start "$(winepath -w "$shortcut")"
combicalc_wait_for_window Form1 >/dev/null || fail "the Start-menu entry opened no window"
window=$(xdotool search --onlyvisible --name '^Form1$' | head -1)
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
sleep 1
# The keyboard alone: nCr, 5 and 2, START; then the Answer box, its text copied.
keys Down Down space Tab
xdotool type --delay 100 5
keys Tab
xdotool type --delay 100 2
keys Tab Tab Return shift+Tab ctrl+a ctrl+c
wait_until "nCr of 5 and 2 did not give 10 (the clipboard holds \"$(clipboard)\")" test "$(clipboard)" = 10
echo "nCr of 5 and 2: $(clipboard)"

# Into the first input box, "abc"; START brings up the report, whose text Ctrl+C copies.
keys shift+Tab shift+Tab
xdotool type --delay 100 abc
keys Tab Tab Tab Return
report='Conversion error: the first input box holds "abc", which is not a number'
copied_report() { keys ctrl+c && clipboard | grep -qF "$report"; }
wait_until "no report for \"abc\" (the clipboard holds \"$(clipboard)\")" copied_report
echo "for \"abc\": $(clipboard | grep -F 'Conversion error')"
keys Return alt+F4
wait_until "the window did not close" bash -c '! xdotool search --onlyvisible --name "^Form1$"'

uninstall_for CurrentUser "$folder"

everyone=$WINEPREFIX/drive_c/Program\ Files/combicalc
install_for AllUsers "$everyone" "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/combicalc.lnk"
uninstall_for AllUsers "$everyone"
echo "the installer installs, the program works, the uninstaller leaves nothing behind"
