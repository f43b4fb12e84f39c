#!/usr/bin/env bash
# Renders app/combicalc.svg into the PNG sizes that menus, task switchers and packages use
# (app/icons/combicalc-SIZE.png), and the Windows icon the .exe carries (app/icons/
# combicalc.ico) and the raw pixels of the window icon from them. Needs imagemagick with SVG
# support.
set -euo pipefail
cd "$(dirname "$0")/../..
for size in 16 22 24 32 48 64 128 256; do
  convert -background none -density $((96 * size / 64)) app/combicalc.svg -resize "${size}x${size}" \
    "PNG32:app/icons/combicalc-$size.png"
done
convert app/icons/combicalc-{16,24,32,48,64,256}.png app/icons/combicalc.ico
# The window icon's pixels for the program itself, which reads them without a decoder.
for size in 16 32 48 64; do
  convert app/icons/combicalc-$size.png -depth 8 "RGBA:app/icons/combicalc-$size.rgba"
done
