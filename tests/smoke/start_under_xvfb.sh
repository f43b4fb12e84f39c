#!/usr/bin/env bash
# Starts the real executable as a user would: first with no display at all, where it must
# say so in one line and exit with status 2, then under Xvfb, where its "Form1" window must
# map at 248 x 283 pixels (3720 x 4245 twips at 96 DPI). Ends it by its PID.
set -euo pipefail
exe=$1
unset QT_QPA_PLATFORM

fail() { echo "FAIL: $*" >&2; exit 1; }

status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "without a display the exit status was $status, not 2"
[ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || fail "without a display it printed more than one line: $message"
[[ "$message" == *"needs a graphical display"* ]] || fail "unclear message without a display: $message"

# shellcheck source=scripts/xvfb.sh
source "$(dirname "$0")/../../scripts/xvfb.sh"
combicalc_start_xvfb || fail "Xvfb did not start"
work=$combicalc_xvfb_dir

"$exe" 2>"$work/stderr" &
app=$!
combicalc_stop_on_exit "$app"
geometry=""
for _ in $(seq 150); do
  kill -0 "$app" 2>/dev/null || fail "combicalc exited early: $(cat "$work/stderr")"
  geometry=$(xwininfo -name Form1 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} /Map State: IsViewable/ {v=1} END {if (v) print w "x" h}') || true
  [ -n "$geometry" ] && break
  sleep 0.1
done
[ -n "$geometry" ] || fail "no Form1 window was mapped within 15 s"
[ "$geometry" = "248x283" ] || fail "the window is $geometry, not 248x283"
echo "Form1 mapped at $geometry"
