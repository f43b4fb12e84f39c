#!/usr/bin/env bash
# Photographs the calculator under Xvfb after working out a "2 Outcomes" example with the
# mouse and keyboard, as a user would:
#
#   scripts/screenshot.sh [OUTPUT.png [SCALE [FONT-POINTS]]]
#
# SCALE is the screen's scale factor (2 for a high-DPI screen); FONT-POINTS the desktop's
# font size, set as a user of Qt programs sets it (through qt6ct). Defaults:
# docs/screenshot.png, 1 and 9. Needs a build (./test) and xvfb, xdotool, imagemagick and,
# for a font size, qt6ct.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
output=${1:-docs/screenshot.png}
scale=${2:-1}
points=${3:-9}
exe=build/app/combicalc
[ -x "$exe" ] || { echo "build first: ./test" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool: apt-get install xvfb xdotool imagemagick" >&2; exit 1; }
done

combicalc_start_xvfb
export QT_SCALE_FACTOR=$scale
if [ "$points" != 9 ]; then
  mkdir -p "$combicalc_xvfb_dir/qt6ct"
  printf '[Fonts]\ngeneral="Sans Serif,%s,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"\n' "$points" >"$combicalc_xvfb_dir/qt6ct/qt6ct.conf"
  export QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$combicalc_xvfb_dir
fi
"$exe" 2>/dev/null &
combicalc_stop_on_exit $!
window=""
for _ in $(seq 100); do window=$(xdotool search --name '^Form1$' 2>/dev/null | head -1) && [ -n "$window" ] && break; sleep 0.1; done
[ -n "$window" ] || { echo "no Form1 window appeared" >&2; exit 1; }
sleep 0.5

# The middle of each control at 96 DPI and 9 points (twips / 15), times the window's growth.
factor=$(awk -v s="$scale" -v p="$points" 'BEGIN { f = p / 9; if (f < 1) f = 1; print s * f }')
click() {
  xdotool mousemove --window "$window" "$(awk -v v="$1" -v f="$factor" 'BEGIN { printf "%d", v * f }')" \
    "$(awk -v v="$2" -v f="$factor" 'BEGIN { printf "%d", v * f }')" click 1
  sleep 0.1
}
type_into() { click "$1" "$2"; xdotool key ctrl+a type "$3"; }
click 10 136          # 2 Outcomes
type_into 128 88 5    # x: trials
type_into 200 88 2    # y: successes
type_into 128 120 2   # z: outcomes
type_into 200 120 1   # w: favourable outcomes
click 168 192         # START
sleep 0.3
import -window "$window" "$output"
echo "wrote $output"
