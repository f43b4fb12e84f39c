#!/usr/bin/env bash
# Starts the real executable as a user would: first with no display, or one it cannot open,
# where it must say so in one line and exit with status 2, then under Xvfb, where its
# "Form1" window must map (its size is the window tests' to check). Ends it by its PID.
set -euo pipefail
exe=$1
unset QT_QPA_PLATFORM
# shellcheck source=scripts/lib/xvfb.sh
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

# Each start that cannot open a window: exit status 2 and one line naming what is missing
# or what it tried.
expect_one_line() {  # expect_one_line EXPECTED-PART [ENV-ARGUMENTS...] [-- PROGRAM-ARGUMENTS...]
  local expected=$1 status=0 message environment=() arguments=()
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do environment+=("$1"); shift; done
  [ $# -eq 0 ] || { shift; arguments=("$@"); }
  message=$(env -u DISPLAY -u WAYLAND_DISPLAY "${environment[@]}" "$exe" "${arguments[@]}" 2>&1) || status=$?
  [ "$status" -eq 2 ] || fail "with $* the exit status was $status, not 2: $message"
  [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || fail "with $* it printed more than one line: $message"
  [[ "$message" == *"$expected"* ]] || fail "with $* the message does not say $expected: $message"
}
expect_one_line "needs a graphical display: none was found (DISPLAY is unset and WAYLAND_DISPLAY is unset)"
expect_one_line "DISPLAY is empty" DISPLAY=
expect_one_line 'could not open the display ":99"' DISPLAY=:99
expect_one_line 'could not open the display "nowhere:0"' DISPLAY=nowhere:0
expect_one_line 'could not open the Wayland display "wayland-9"' WAYLAND_DISPLAY=wayland-9 XDG_RUNTIME_DIR=/tmp
expect_one_line 'the platform "bogus" (QT_QPA_PLATFORM)' QT_QPA_PLATFORM=bogus
expect_one_line 'needs an X11 display for the platform "xcb" (-platform), but DISPLAY is unset' -- -platform xcb
expect_one_line 'could not open the display ":98" (-display)' DISPLAY=:99 -- -display :98
expect_one_line 'could not open a Wayland display for the platform "wayland" (QT_QPA_PLATFORM): WAYLAND_DISPLAY is unset' \
  QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=/tmp
# Without it the Wayland library would print a line of its own first.
expect_one_line 'the Wayland display "wayland-9" (WAYLAND_DISPLAY): its socket lies in XDG_RUNTIME_DIR, which is unset' \
  -u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-9

combicalc_start_xvfb || fail "Xvfb did not start"
work=$combicalc_xvfb_dir
# Qt's own option names the platform even where the display is fine.
expect_one_line 'could not open its window with the platform "bogus" (-platform)' DISPLAY="$DISPLAY" -- -platform bogus

"$exe" 2>"$work/stderr" &
app=$!
combicalc_stop_on_exit "$app"
geometry=$(combicalc_wait_for_window Form1 "$app" "$work/stderr") || fail "Form1 did not map"
echo "Form1 mapped at $geometry"
