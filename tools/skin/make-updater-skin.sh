#!/usr/bin/env bash
# Draws the updater's pictures: background bitmap 129 (280 x 60, the whole window; the progress bar
# sits at (15, 37) 248 x 7 on top of it) and icon 131. Same look as the browser's skin: light flat
# surfaces, one blue accent, 1-pixel edges, NanumGothic. Writes into VenUpdater/res/skin/.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/VenUpdater/res/skin"
mkdir -p "$out"

accent='#2B6FD0'
accent_dark='#1D54A6'
accent_tint='#E4EEFB'
surface='#F4F4F4'
edge='#A9B4C2'
text='#333333'
bold=/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf
regular=/usr/share/fonts/truetype/nanum/NanumGothic.ttf

# Background: surface with a 1-pixel edge, an accent strip on top, the program's name and a note; a
# tinted well with an edge around the progress bar's place.
convert -size 280x60 "xc:$surface" \
    -fill "$accent" -draw "rectangle 0,0 279,3" \
    -fill none -stroke "$edge" -draw "rectangle 0,0 279,59" -stroke none \
    -fill "$accent" -draw "rectangle 15,13 18,28" \
    -font "$bold" -pointsize 12 -fill "$text" -annotate +24+25 "폴드벤 브라우져" \
    -font "$regular" -pointsize 11 -fill "$accent_dark" -gravity NorthEast -annotate +16+14 "업데이트 확인 중" \
    -gravity NorthWest \
    -fill "$accent_tint" -stroke "$edge" -draw "rectangle 14,36 263,44" -stroke none \
    -type TrueColor "BMP3:$out/background.bmp"

# Icon: a rounded accent square with a white downward arrow, at 16, 32 and 48 pixels.
icon_png() {  # size file
    local s=$1 r=$(($1 / 6)) m=$(($1 / 2))
    convert -size "${s}x${s}" xc:none \
        -fill "$accent" -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $r,$r" \
        -fill white -draw "rectangle $((m - s / 10)),$((s / 5)) $((m + s / 10 - 1)),$((s * 11 / 20))" \
        -draw "polygon $((s / 4)),$((s / 2)) $((s * 3 / 4 - 1)),$((s / 2)) $((m - 1)),$((s * 4 / 5))" \
        -draw "rectangle $((s / 4)),$((s * 17 / 20)) $((s * 3 / 4 - 1)),$((s * 17 / 20 + s / 16))" \
        "$2"
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 32 48; do icon_png "$s" "$tmp/$s.png"; done
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$out/updater.ico"
echo "wrote $out/background.bmp and $out/updater.ico"
