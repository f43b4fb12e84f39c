#!/usr/bin/env bash
# Start-up time to the first mapped window and peak memory of combicalc, side by side with
# its floor (the same window built with plain Qt and nothing else) and, for scale, an empty
# window of the same size. Under Xvfb, measured from outside the processes.
#
#   bench/startup_and_memory.sh [ROUNDS]      (after ./run or ./test has built build/)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-21}
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM
printf '#!/bin/sh\nexec %s --bare\n' "$PWD/build/bench/combicalc_floor" >"$work/empty_window"
chmod +x "$work/empty_window"
build/bench/launch_timer "$rounds" build/bench/combicalc_floor build/app/combicalc "$work/empty_window"
