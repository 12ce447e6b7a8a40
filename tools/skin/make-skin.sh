#!/usr/bin/env bash
# Draws every bitmap and icon of FoldVenBrowser into FoldVenBrowser/res/skin/ and writes skin.rc.
# One flat, light look: grey surfaces, white panels, one blue accent, 1-pixel edges, Korean labels in
# NanumGothic. Magenta (#FF00FF) marks pixels the transparent drawing routines leave untouched.
# Needs ImageMagick and fonts-nanum; the build itself only uses the committed results.
#   usage: tools/skin/make-skin.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/FoldVenBrowser/res/skin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

fonts=/usr/share/fonts/truetype/nanum
regular=$fonts/NanumGothic.ttf
bold=$fonts/NanumGothicBold.ttf
brand=$fonts/NanumSquareRoundB.ttf

accent='#2B6FD0'
accent_dark='#1D54A6'
accent_light='#4D8BE3'
accent_tint='#E4EEFB'
surface='#EFEFEF'   # RGB(239,239,239), the login dialog's background
main_bg='#F4F4F4'   # RGB(244,244,244), the main window's background
edge='#A9B4C2'
inner_edge='#D2D8E0'
text='#333333'
magenta='#FF00FF'

bmp() {  # id, then convert arguments producing the picture
    local id=$1; shift
    convert "$@" -alpha off -type TrueColor "BMP3:$out/bmp$id.bmp"
    bitmaps+=("$id")
}

# A button face: border, fill, centred label. args: id w h fill border textcolour label [size] [dy]
face() {
    local id=$1 w=$2 h=$3 fill=$4 border=$5 fg=$6 label=$7 size=${8:-12} dy=${9:-0}
    bmp "$id" -size "${w}x${h}" "xc:$border" +antialias -fill "$fill" \
        -draw "rectangle 1,1 $((w - 2)),$((h - 2))" -antialias \
        -font "$bold" -pointsize "$size" -fill "$fg" -gravity center -annotate "+0+$dy" "$label"
}

# Primary button (accent): normal, hover, pressed.
primary() {  # normalId hoverId pressedId w h label
    face "$1" "$4" "$5" "$accent" "$accent_dark" white "$6"
    face "$2" "$4" "$5" "$accent_light" "$accent" white "$6"
    face "$3" "$4" "$5" "$accent_dark" '#173F7C' white "$6" 12 1
}

# Secondary button (white): normal, hover, pressed.
secondary() {  # normalId hoverId pressedId w h label [size]
    local size=${7:-12}
    face "$1" "$4" "$5" white "$edge" "$text" "$6" "$size"
    face "$2" "$4" "$5" "$accent_tint" "$accent" "$accent_dark" "$6" "$size"
    face "$3" "$4" "$5" "$accent" "$accent_dark" white "$6" "$size" 1
}

# A text link (one look for all four states). args: id w h label background
link() {
    bmp "$1" -size "${2}x${3}" "xc:$5" -font "$regular" -pointsize 11 -fill "$accent_dark" \
        -gravity center -annotate +0+0 "$4" +antialias -fill "$accent_dark" \
        -draw "line 3,$(($3 - 3)) $(($2 - 4)),$(($3 - 3))"
}

# Caption buttons (19x16) on the accent band: glyph drawn in white with 1-pixel lines.
caption() {  # id fill border glyph-draw-commands
    bmp "$1" -size 19x16 "xc:$3" +antialias -fill "$2" -draw "rectangle 1,1 17,14" \
        -stroke white -fill none -draw "$4"
}
caption_set() {  # normalId hoverId pressedId glyph
    caption "$1" "$accent" "$accent" "$4"
    caption "$2" "$accent_light" '#8FB6EE' "$4"
    caption "$3" "$accent_dark" '#173F7C' "$4"
}
glyph_close='line 6,5 12,11 line 12,5 6,11'
glyph_min='line 6,11 12,11'
glyph_max='rectangle 5,4 13,11 line 5,5 13,5'
glyph_restore='rectangle 5,6 11,11 line 7,4 13,4 line 13,4 13,9'

bitmaps=()

# --- Login dialog (template 131, 396 x 278 pixels) -------------------------------------------------
# Header 168: the service name on the accent band, the event strip and the white notice box whose
# two lines are the labels 1027 and 1028.
bmp 168 -size 396x146 "xc:$surface" +antialias \
    -fill "$accent" -draw 'rectangle 0,0 395,61' \
    -fill "$accent_dark" -draw 'rectangle 0,61 395,61' \
    -fill "$edge" -draw 'rectangle 14,90 381,140' -fill white -draw 'rectangle 15,91 380,139' \
    -fill "$accent" -draw 'rectangle 16,67 85,84' \
    -fill "$accent" -draw 'rectangle 32,101 35,104' -draw 'rectangle 32,121 35,124' \
    -antialias -font "$brand" -pointsize 30 -fill white -gravity northwest -annotate +18+12 'FoldVen' \
    -font "$regular" -pointsize 12 -fill '#D6E4F8' -gravity northwest -annotate +150+28 '폴드벤 브라우저 로그인' \
    -font "$bold" -pointsize 11 -fill white -gravity northwest -annotate +32+69 '이벤트'
# Bullet 272 in front of "아이디" and "비밀번호".
bmp 272 -size 18x14 "xc:$surface" +antialias -fill "$accent" -draw 'polygon 6,3 11,7 6,11'
primary 170 169 171 86 26 '로그인'
secondary 178 177 179 86 26 '취소'
link 271 58 18 '아이디 찾기' "$surface"
link 270 72 18 '비밀번호 찾기' "$surface"

# --- Message dialog frame (CSkinDialog) -----------------------------------------------------------
# Top band 32 high (253 left, 252 tiled, 254 right); band 11 high at y = 32 (155, 154, 153); sides 14
# wide (157 left, 156 right); bottom band 14 high (160, 159, 158). The white panel starts 14 px in.
bmp 253 -size 28x32 "xc:$accent_dark" +antialias -fill "$accent" -draw 'rectangle 1,1 27,31'
bmp 252 -size 8x32 "xc:$accent" +antialias -fill "$accent_dark" -draw 'line 0,0 7,0'
bmp 254 -size 8x32 "xc:$accent" +antialias -fill "$accent_dark" -draw 'line 0,0 7,0 line 7,0 7,31'
bmp 155 -size 14x11 "xc:$surface" +antialias -fill "$accent_dark" -draw 'line 0,0 0,10' \
    -fill "$inner_edge" -draw 'line 13,10 13,10'
bmp 154 -size 8x11 "xc:$surface" +antialias -fill "$inner_edge" -draw 'line 0,10 7,10'
bmp 153 -size 14x11 "xc:$surface" +antialias -fill "$accent_dark" -draw 'line 13,0 13,10' \
    -fill "$inner_edge" -draw 'line 0,10 0,10'
bmp 157 -size 14x8 "xc:$surface" +antialias -fill "$accent_dark" -draw 'line 0,0 0,7' \
    -fill "$inner_edge" -draw 'line 13,0 13,7'
bmp 156 -size 14x8 "xc:$surface" +antialias -fill "$accent_dark" -draw 'line 13,0 13,7' \
    -fill "$inner_edge" -draw 'line 0,0 0,7'
bmp 160 -size 14x14 "xc:$surface" +antialias -fill "$accent_dark" -draw 'line 0,0 0,13 line 0,13 13,13' \
    -fill "$inner_edge" -draw 'line 13,0 13,0'
bmp 159 -size 8x14 "xc:$surface" +antialias -fill "$accent_dark" -draw 'line 0,13 7,13' \
    -fill "$inner_edge" -draw 'line 0,0 7,0'
bmp 158 -size 14x14 "xc:$surface" +antialias -fill "$accent_dark" -draw 'line 13,0 13,13 line 0,13 13,13' \
    -fill "$inner_edge" -draw 'line 0,0 0,0'
# Close (also the main window's tray button): 184 normal, 183 hover, 185 pressed.
caption_set 184 183 185 "$glyph_close"

# --- Main window frame (template 102) -------------------------------------------------------------
# Top band 40 high: 193 left with the service name, 194 tiled, 192 right end, 195 the slogan drawn
# transparently over the band. Rounded outer corners are magenta so the dialog background shows.
bmp 193 -size 200x40 "xc:$accent" +antialias -fill "$accent_dark" -draw 'line 0,0 199,0 line 0,0 0,39' \
    -fill "$magenta" -draw 'point 0,0 point 1,0 point 0,1' -fill "$accent_dark" -draw 'point 1,1' \
    -antialias -font "$brand" -pointsize 24 -fill white -gravity northwest -annotate +16+7 'FoldVen'
bmp 194 -size 8x40 "xc:$accent" +antialias -fill "$accent_dark" -draw 'line 0,0 7,0'
bmp 192 -size 201x40 "xc:$accent" +antialias -fill "$accent_dark" -draw 'line 0,0 200,0 line 200,0 200,39' \
    -fill "$magenta" -draw 'point 200,0 point 199,0 point 200,1' -fill "$accent_dark" -draw 'point 199,1'
# The text is smoothed against the band's own colour, which then becomes magenta.
bmp 195 -size 260x28 "xc:$accent" -font "$regular" -pointsize 12 -fill '#D6E4F8' -gravity west \
    -annotate +0+0 '대한민국 파일 공유 서비스 폴드벤' -fill "$magenta" -opaque "$accent"
# Second band 32 high: 199 left, 201 tiled, 200 right.
bmp 199 -size 10x32 "xc:white" +antialias -fill "$edge" -draw 'line 0,0 0,31 line 0,31 9,31'
bmp 201 -size 8x32 "xc:white" +antialias -fill "$edge" -draw 'line 0,31 7,31'
bmp 200 -size 10x32 "xc:white" +antialias -fill "$edge" -draw 'line 9,0 9,31 line 0,31 9,31'
# Sides 9 wide.
bmp 228 -size 9x8 "xc:$main_bg" +antialias -fill "$edge" -draw 'line 0,0 0,7'
bmp 227 -size 9x8 "xc:$main_bg" +antialias -fill "$edge" -draw 'line 8,0 8,7'
# Bottom band 31 high: 197 left, 198 tiled, 196 right. White, like the labels that sit on it.
bmp 197 -size 12x31 "xc:white" +antialias -fill "$edge" -draw 'line 0,0 0,30 line 0,30 11,30 line 0,0 11,0' \
    -fill "$magenta" -draw 'point 0,30'
bmp 198 -size 8x31 "xc:white" +antialias -fill "$edge" -draw 'line 0,0 7,0 line 0,30 7,30'
bmp 196 -size 12x31 "xc:white" +antialias -fill "$edge" -draw 'line 11,0 11,30 line 0,30 11,30 line 0,0 11,0' \
    -fill "$magenta" -draw 'point 11,30'
# Page tabs 88 x 24 (normal, hover, pressed).
secondary 204 203 205 88 24 '충전하기'
secondary 207 206 208 88 24 '다운로드'
secondary 210 209 211 88 24 '환경설정'
secondary 213 212 214 88 24 '쪽지함'
primary 222 221 223 56 22 '검색'
# Caption buttons: minimise, maximise, restore.
caption_set 187 186 188 "$glyph_min"
caption_set 190 189 191 "$glyph_max"
caption_set 225 224 226 "$glyph_restore"
# Bottom band buttons: refresh the balance (16 and 17), change the download folder (15).
face 248 56 22 white "$edge" "$text" '새로고침' 11
face 245 56 22 "$accent" "$accent_dark" white '새로고침' 11 1
face 246 56 22 white "$edge" "$text" '변경' 11
face 247 56 22 "$accent" "$accent_dark" white '변경' 11 1
# 17: a thin divider between the account's figures and the download folder, whose text starts just
# right of it.
bmp 257 -size 4x16 xc:white +antialias -fill "$inner_edge" -draw 'line 1,1 1,14'

# --- Panels ---------------------------------------------------------------------------------------
# Frame of the tree and list panels: 3-pixel corners and edges, 1-pixel border, white inside.
bmp 236 -size 3x3 xc:white +antialias -fill "$edge" -draw 'line 1,0 2,0 line 0,1 0,2' -fill "$magenta" -draw 'point 0,0'
bmp 239 -size 3x3 xc:white +antialias -fill "$edge" -draw 'line 0,0 1,0 line 2,1 2,2' -fill "$magenta" -draw 'point 2,0'
bmp 241 -size 3x3 xc:white +antialias -fill "$edge" -draw 'line 0,0 0,1 line 1,2 2,2' -fill "$magenta" -draw 'point 0,2'
bmp 240 -size 3x3 xc:white +antialias -fill "$edge" -draw 'line 2,0 2,1 line 0,2 1,2' -fill "$magenta" -draw 'point 2,2'
bmp 237 -size 8x3 xc:white +antialias -fill "$edge" -draw 'line 0,0 7,0'
bmp 242 -size 8x3 xc:white +antialias -fill "$edge" -draw 'line 0,2 7,2'
bmp 244 -size 3x8 xc:white +antialias -fill "$edge" -draw 'line 0,0 0,7'
bmp 243 -size 3x8 xc:white +antialias -fill "$edge" -draw 'line 2,0 2,7'
# Paging of the remote list: previous (265 normal, 262 hover/pressed), next (263, 264).
face 265 60 20 white "$edge" "$text" '◀ 이전' 11
face 262 60 20 "$accent_tint" "$accent" "$accent_dark" '◀ 이전' 11
face 263 60 20 white "$edge" "$text" '다음 ▶' 11
face 264 60 20 "$accent_tint" "$accent" "$accent_dark" '다음 ▶' 11
# Header sort arrows (14 x 14, magenta background): 274 up, 275 down.
bmp 274 -size 14x14 "xc:$magenta" +antialias -fill '#6A7685' -draw 'polygon 3,9 10,9 6,4 7,4'
bmp 275 -size 14x14 "xc:$magenta" +antialias -fill '#6A7685' -draw 'polygon 3,5 10,5 7,10 6,10'

# --- Icons (16 and 32 pixels) ---------------------------------------------------------------------
icons=()
folder_png() {  # out size colour tabcolour [mark]
    local s=$2 k
    k=$(awk "BEGIN{print $s/16}")
    convert -size "${s}x${s}" xc:none +antialias \
        -fill "$4" -draw "rectangle $(awk "BEGIN{print int(1*$k)}"),$(awk "BEGIN{print int(3*$k)}") $(awk "BEGIN{print int(7*$k)}"),$(awk "BEGIN{print int(5*$k)}")" \
        -fill "$3" -draw "rectangle $(awk "BEGIN{print int(1*$k)}"),$(awk "BEGIN{print int(5*$k)}") $(awk "BEGIN{print int(15*$k)-1}"),$(awk "BEGIN{print int(14*$k)-1}")" \
        "$1"
}
ico() {  # id png16 png32
    convert "$2" "$3" "$out/icon$1.ico"
    icons+=("$1")
}
logo_png() {  # out size
    local s=$2 p
    p=$(awk "BEGIN{print int($s*0.72)}")
    convert -size "${s}x${s}" xc:none +antialias -fill "$accent" -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $((s / 5)),$((s / 5))" \
        -antialias -font "$brand" -pointsize "$p" -fill white -gravity center -annotate +0+1 'F' "$1"
}
for s in 16 32; do
    logo_png "$work/logo$s.png" $s
    folder_png "$work/f1_$s.png" $s "$accent" "$accent_dark"
    folder_png "$work/f2_$s.png" $s "$accent_light" "$accent"
    folder_png "$work/fa_$s.png" $s '#D9534F' '#A93A36'
    convert "$work/fa_$s.png" -font "$bold" -pointsize $((s * 7 / 16)) -fill white -gravity center -annotate +0+$((s / 8)) '19' "$work/fa_$s.png"
    folder_png "$work/up_$s.png" $s '#F2C04D' '#C99A2E'
    convert "$work/up_$s.png" +antialias -fill "$accent_dark" \
        -draw "polygon $((s / 2)),$((s * 5 / 16)) $((s * 3 / 4)),$((s * 9 / 16)) $((s / 4)),$((s * 9 / 16))" \
        -draw "rectangle $((s * 7 / 16)),$((s * 9 / 16)) $((s * 9 / 16)),$((s * 13 / 16))" "$work/up_$s.png"
    convert -size "${s}x${s}" xc:none +antialias -fill "$edge" -draw "rectangle $((s / 8)),0 $((s * 13 / 16)),$((s - 1))" \
        -fill white -draw "rectangle $((s / 8 + 1)),1 $((s * 13 / 16 - 1)),$((s - 2))" \
        -fill "$accent" -draw "rectangle $((s / 4)),$((s * 5 / 16)) $((s * 11 / 16)),$((s * 5 / 16 + s / 16))" \
        -draw "rectangle $((s / 4)),$((s / 2)) $((s * 11 / 16)),$((s / 2 + s / 16))" "$work/file_$s.png"
    convert -size "${s}x${s}" xc:none +antialias -fill "$accent" \
        -draw "rectangle $((s * 6 / 16)),$((s / 8)) $((s * 10 / 16 - 1)),$((s / 2))" \
        -draw "polygon $((s / 8)),$((s / 2)) $((s * 7 / 8 - 1)),$((s / 2)) $((s / 2)),$((s * 13 / 16))" \
        -fill "$accent_dark" -draw "rectangle $((s / 8)),$((s * 7 / 8)) $((s * 7 / 8 - 1)),$((s - 1))" "$work/down_$s.png"
done
ico 129 "$work/logo16.png" "$work/logo32.png"
ico 249 "$work/logo16.png" "$work/logo32.png"
ico 266 "$work/logo16.png" "$work/logo32.png"
ico 234 "$work/up_16.png" "$work/up_32.png"
ico 235 "$work/fa_16.png" "$work/fa_32.png"
ico 250 "$work/f1_16.png" "$work/f1_32.png"
ico 251 "$work/f2_16.png" "$work/f2_32.png"
ico 261 "$work/down_16.png" "$work/down_32.png"
ico 276 "$work/file_16.png" "$work/file_32.png"

{
    echo "// Generated by tools/skin/make-skin.sh: the program's bitmaps and icons, by resource ID."
    for id in $(printf '%s\n' "${bitmaps[@]}" | sort -n); do echo "$id BITMAP \"skin/bmp$id.bmp\""; done
    for id in $(printf '%s\n' "${icons[@]}" | sort -n); do echo "$id ICON \"skin/icon$id.ico\""; done
} > "$root/FoldVenBrowser/res/skin.rc"
echo "skin: ${#bitmaps[@]} bitmaps, ${#icons[@]} icons in $out"
