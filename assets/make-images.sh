#!/usr/bin/env bash
# Makes the splash logo (logo.bmp, 480 x 270) and the program icon
# (vemo.ico, 16 to 48 pixels) with ImageMagick and the Noto CJK font.
# Run: assets/make-images.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
font=$(fc-match -f '%{file}' 'Noto Sans CJK JP:bold')
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Logo: the name in large white type with a shadow on a deep blue field,
# above five coloured lamps, one for each answer choice.
convert -size 480x270 gradient:'#1a2a8c'-'#000040' \
    -font "$font" -pointsize 96 \
    -fill '#00000099' -annotate +64+150 'カルミオ' \
    -fill white -annotate +58+144 'カルミオ' \
    -stroke '#ffffff' -strokewidth 3 \
    -fill '#e84a4a' -draw 'circle 120,212 120,232' \
    -fill '#f0c030' -draw 'circle 180,212 180,232' \
    -fill '#40b060' -draw 'circle 240,212 240,232' \
    -fill '#3a8ee8' -draw 'circle 300,212 300,232' \
    -fill '#b060d0' -draw 'circle 360,212 360,232' \
    -type TrueColor BMP3:"$here/logo.bmp"

# Icon: the name's first character in white on a rounded blue square.
for size in 16 32 48; do
    convert -size ${size}x${size} xc:none \
        -fill '#1a2a8c' -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $((size / 5)),$((size / 5))" \
        -font "$font" -pointsize $((size * 3 / 4)) -fill white -gravity center -annotate +0+0 'カ' \
        "$tmp/icon-$size.png"
done
convert "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" "$here/vemo.ico"
