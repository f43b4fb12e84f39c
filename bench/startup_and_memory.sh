#!/usr/bin/env bash
# Start-up time to the first mapped window and peak memory of combicalc, side by side with
# its floor (the same window built with plain Qt and nothing else) and, for scale, an empty
# window of the same size. Under Xvfb, measured from outside the processes.
#
#   bench/startup_and_memory.sh [ROUNDS]      (after ./test has built build/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/xvfb.sh
rounds=${1:-21}
combicalc_start_xvfb
unset QT_QPA_PLATFORM
empty_window=$combicalc_xvfb_dir/empty_window
printf '#!/bin/sh\nexec %s --bare\n' "$PWD/build/bench/combicalc_floor" >"$empty_window"
chmod +x "$empty_window"
build/bench/launch_timer "$rounds" build/bench/combicalc_floor build/app/combicalc "$empty_window"
