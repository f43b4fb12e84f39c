#!/usr/bin/env bash
# Refreshes docs/screenshot.png: starts the calculator under Xvfb, works out a
# "2 Outcomes" example with the mouse and keyboard, and photographs the window.
# Needs a build (./run or ./test first) and the packages xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
exe=build/app/combicalc
[ -x "$exe" ] || { echo "build first: ./test" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool: apt-get install xvfb xdotool imagemagick" >&2; exit 1; }
done

combicalc_start_xvfb
"$exe" 2>/dev/null &
combicalc_stop_on_exit $!
window=""
for _ in $(seq 100); do window=$(xdotool search --name '^Form1$' 2>/dev/null | head -1) && [ -n "$window" ] && break; sleep 0.1; done
[ -n "$window" ] || { echo "no Form1 window appeared" >&2; exit 1; }

# Pixel positions at 96 DPI: twips / 15, the middle of each control.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }
type_into() { click "$1" "$2"; xdotool key ctrl+a type "$3"; }
click 10 136          # 2 Outcomes
type_into 128 88 5    # x: trials
type_into 200 88 2    # y: successes
type_into 128 120 2   # z: outcomes
type_into 200 120 1   # w: favourable outcomes
click 168 192         # START
sleep 0.3
import -window "$window" docs/screenshot.png
echo "wrote docs/screenshot.png"
