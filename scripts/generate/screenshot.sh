#!/usr/bin/env bash
# Photographs the calculator under Xvfb after working out a "2 Outcomes" example with the
# mouse and keyboard, as a user would (screenshot_clicks.py beside this script):
#
#   scripts/generate/screenshot.sh [--popups] [OUTPUT.png [SCALE [FONT-POINTS]]]
#
# In the language LANG names (LANG=ar_EG.UTF-8 for Arabic); --popups adds photographs of
# the screen with a tooltip, a context menu and the error report (screenshot_clicks.py).
#
# SCALE is the screen's scale factor (2 for a high-DPI screen); FONT-POINTS the desktop's
# font size, set as a user of Qt programs sets it (through qt6ct). Defaults:
# docs/screenshot.png, 1 and 9. Needs a build (./test) and xvfb, xdotool, imagemagick,
# python3-pyatspi and, for a font size, qt6ct.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/xvfb.sh
popups=()
[ "${1:-}" != --popups ] || { popups=(--popups); shift; }
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
dbus-run-session -- /usr/bin/python3 scripts/generate/screenshot_clicks.py "$exe" "$output" "${popups[@]}"
