#!/usr/bin/env bash
# Draws the sample scene into this folder and writes the scene file that opens it:
#
#   bus.jpg       the background: the front of a city bus at a depot, 640 x 500
#   strip.bmp     the roll strip of the first sign, 200 x 48 per frame, frame 0 on top
#   led/NN.bmp    the frames of the LED-style second sign, 120 x 48 each, drawn as dots;
#                 led/NN+2.bmp the second page of frame NN (one of them wider, to scroll)
#   led-plain/    the same kind of frames as plain pictures, for the live dot look
#   demo.rv4      the scene: background, Form size and the two signs
#   live.rv4      the same scene with led-plain on the second sign, shown through the dot look
#
# Every place name, route number and plate text here is made up.
#
# The output is byte-for-byte the same on every run (no dates or other metadata are
# written). Needs: bash, python3, ImageMagick 6 (convert) and the IPA fonts
# (Debian: fonts-ipafont). Made with ImageMagick 6.9.11 and IPA fonts 003.03; other
# versions may rasterise text a little differently.
set -euo pipefail

cd "$(dirname "$0")"

CONVERT=${CONVERT:-convert}
FONT_DIR=${IPA_FONT_DIR:-/usr/share/fonts/opentype}
GOTHIC=$FONT_DIR/ipafont-gothic/ipag.ttf     # fixed-pitch gothic
PGOTHIC=$FONT_DIR/ipafont-gothic/ipagp.ttf   # proportional gothic

for f in "$GOTHIC" "$PGOTHIC"; do
  [ -r "$f" ] || { echo "make_samples.sh: font not found: $f" >&2; exit 1; }
done
command -v "$CONVERT" >/dev/null || { echo "make_samples.sh: ImageMagick convert not found" >&2; exit 1; }
command -v python3 >/dev/null || { echo "make_samples.sh: python3 not found" >&2; exit 1; }

export MAGICK_THREAD_LIMIT=1
export MAGICK_OCL_DEVICE=OFF

CLEAN=(+set date:create +set date:modify +set date:timestamp -strip)
im() { "$CONVERT" -density 72 -units PixelsPerInch "$@"; }

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# ---------------------------------------------------------------------------
# Scene geometry. Sign places are in the Form's client coordinates, which are the
# background picture's coordinates (the picture is shown unscaled at 0,0).

FORM_W=640; FORM_H=540          # outer size of the Form
BG_W=640;   BG_H=500            # covers the client area under the usual window metrics

ROLL_X=148; ROLL_Y=44; ROLL_W=200; ROLL_H=48
LED_X=368;  LED_Y=44;  LED_W=120;  LED_H=48
FRAME=3                         # the dark opening is this much larger all round

# ---------------------------------------------------------------------------
# 1. The background: a city bus seen from the front, parked at its depot.

# Colours of the livery and the scene.
IVORY='#F3EEDF'; IVORY_SHADE='#DCD5C1'
GREEN='#17725A'; GREEN_DARK='#0F5443'
ACCENT='#F08A24'

# Outline of the bus body (x 118..518, roof at y 12, bumper bottom at y 462).
BX0=118; BX1=518; BY0=12; BY1=462

# Openings of the two sign boxes, one frame width larger than the signs.
ROLL_BOX="$((ROLL_X - FRAME)),$((ROLL_Y - FRAME)) $((ROLL_X + ROLL_W + FRAME - 1)),$((ROLL_Y + ROLL_H + FRAME - 1))"
LED_BOX="$((LED_X - FRAME)),$((LED_Y - FRAME)) $((LED_X + LED_W + FRAME - 1)),$((LED_Y + LED_H + FRAME - 1))"

# Sky, depot wall and yard.
im -size ${BG_W}x230 gradient:'#7DB6E6-#E4F0F8' "$TMP/sky.png"
im -size ${BG_W}x150 gradient:'#8E9194-#5F6265' "$TMP/yard.png"
im -size ${BG_W}x230 xc:none -fill 'rgba(255,255,255,0.85)' \
  -draw "ellipse 40,52 46,12 0,360" -draw "ellipse 78,44 30,14 0,360" -draw "ellipse 18,46 20,9 0,360" \
  -draw "ellipse 590,84 52,11 0,360" -draw "ellipse 566,76 28,13 0,360" -draw "ellipse 616,78 22,9 0,360" \
  -draw "ellipse 330,6 60,8 0,360" \
  -blur 0x2 "$TMP/clouds.png"
im -size ${BG_W}x$BG_H xc:none \
  "$TMP/sky.png" -geometry +0+0 -composite \
  "$TMP/clouds.png" -geometry +0+0 -composite \
  "$TMP/yard.png" -geometry +0+350 -composite \
  -fill '#B9C3C9' -draw "polygon 0,150 90,118 170,132 260,104 360,126 450,100 540,122 640,108 640,230 0,230" \
  -fill '#D8D2C4' -draw "rectangle 0,196 639,352" \
  -fill '#4B5157' -draw "rectangle 0,186 639,200" \
  -fill '#6C737A' -draw "rectangle 0,200 639,204" \
  -fill '#AFA99C' -draw "rectangle 10,236 112,352" \
  -fill '#AFA99C' -draw "rectangle 524,236 630,352" \
  "$TMP/bg0.png"

# Shutter slats of the two garage doors.
slats=()
for y in $(seq 240 6 348); do
  slats+=(-draw "line 12,$y 110,$y" -draw "line 526,$y 628,$y")
done
# Parking lines on the yard.
im "$TMP/bg0.png" \
  -stroke '#9C968A' -strokewidth 1 "${slats[@]}" +stroke \
  -fill '#CFC9BB' -draw "rectangle 0,352 639,356" \
  -fill '#E9E6DA' -draw "polygon 64,500 86,500 112,372 100,372" \
  -fill '#E9E6DA' -draw "polygon 560,500 582,500 540,372 528,372" \
  "$TMP/bg1.png"

# Trees behind the wall.
im "$TMP/bg1.png" \
  -fill '#4E8A4A' -draw "circle 40,176 40,140" -draw "circle 84,186 84,158" \
  -fill '#5F9C57' -draw "circle 20,190 20,166" \
  -fill '#4E8A4A' -draw "circle 600,172 600,134" -draw "circle 560,186 560,160" \
  -fill '#5F9C57' -draw "circle 628,190 628,168" \
  -fill '#D8D2C4' -draw "rectangle 0,196 9,235" -draw "rectangle 113,196 523,235" -draw "rectangle 631,196 639,235" \
  -fill '#4B5157' -draw "rectangle 0,186 639,200" \
  -fill '#6C737A' -draw "rectangle 0,200 639,204" \
  "$TMP/bg2.png"

# Ground shadow under the bus.
im -size ${BG_W}x$BG_H xc:none -fill 'rgba(0,0,0,0.55)' \
  -draw "ellipse 318,474 232,18 0,360" -blur 0x7 "$TMP/shadow.png"
im "$TMP/bg2.png" "$TMP/shadow.png" -composite "$TMP/bg3.png"

# Tyres peeking out below the bumper.
im "$TMP/bg3.png" \
  -fill '#151617' -draw "roundrectangle 146,440 208,484 8,8" -draw "roundrectangle 428,440 490,484 8,8" \
  -fill '#2A2C2E' -draw "rectangle 150,476 204,480" -draw "rectangle 432,476 486,480" \
  "$TMP/bg4.png"

# Mirror arms and heads (they hang forward from the roof corners).
im "$TMP/bg4.png" \
  -stroke '#2E3236' -strokewidth 6 -fill none \
  -draw "bezier 124,46 96,52 88,70 90,150" \
  -draw "bezier 512,46 540,52 548,70 546,150" +stroke \
  -fill '#23272B' -draw "roundrectangle 74,146 106,214 8,8" -draw "roundrectangle 530,146 562,214 8,8" \
  -fill '#7E97AB' -draw "roundrectangle 78,150 102,210 6,6" -draw "roundrectangle 534,150 558,210 6,6" \
  -fill '#B7CAD8' -draw "polygon 80,160 100,152 100,164 80,172" -draw "polygon 536,160 556,152 556,164 536,172" \
  "$TMP/bg5.png"

# The body: ivory upper part, green lower part with an orange line.
im "$TMP/bg5.png" \
  -fill "$IVORY" -draw "roundrectangle $BX0,$BY0 $BX1,$BY1 26,26" \
  -fill "$IVORY_SHADE" -draw "roundrectangle $BX0,$BY0 $BX1,30 22,22" \
  -fill "$IVORY" -draw "rectangle $((BX0 + 4)),24 $((BX1 - 4)),34" \
  -fill "$ACCENT" -draw "path 'M $BX0,322 C 220,310 416,310 $BX1,322 L $BX1,334 C 416,322 220,322 $BX0,334 Z'" \
  -fill "$GREEN" -draw "path 'M $BX0,338 C 220,326 416,326 $BX1,338 L $BX1,436 L $BX0,436 Z'" \
  -fill "$GREEN_DARK" -draw "rectangle $BX0,428 $BX1,436" \
  "$TMP/bg6.png"

# Roundness of the body corners: darker edges left and right.
im -size 400x450 gradient:'rgba(0,0,0,0.22)-rgba(0,0,0,0)' -rotate 90 -crop 18x450+0+0 +repage "$TMP/edge_r.png"
im "$TMP/edge_r.png" -flop "$TMP/edge_l.png"
im -size $((BX1 - BX0 + 1))x$((BY1 - BY0 + 1)) xc:none \
  "$TMP/edge_l.png" -geometry +0+0 -composite \
  "$TMP/edge_r.png" -geometry +$((BX1 - BX0 + 1 - 18))+0 -composite \
  \( -size $((BX1 - BX0 + 1))x$((BY1 - BY0 + 1)) xc:black -fill white \
     -draw "roundrectangle 0,0 $((BX1 - BX0)),$((BY1 - BY0)) 26,26" \) \
  -compose DstIn -composite "$TMP/edges.png"
im "$TMP/bg6.png" "$TMP/edges.png" -geometry +$BX0+$BY0 -compose Over -composite "$TMP/bg7.png"

# Marker lamps on the roof cap.
im "$TMP/bg7.png" \
  -fill '#C96A12' -draw "roundrectangle 150,16 166,22 3,3" -draw "roundrectangle 470,16 486,22 3,3" \
  -fill '#FFC37A' -draw "roundrectangle 152,17 160,19 1,1" -draw "roundrectangle 472,17 480,19 1,1" \
  "$TMP/bg8.png"

# The glass: sign band on top, windscreen below. The windscreen shows the sky it
# reflects, the top of the dashboard, the steering wheel and a light streak.
im -size 356x178 gradient:'#3E5566-#8AA6B8' "$TMP/glass.png"
im -size 356x178 xc:none \
  -fill 'rgba(255,255,255,0.20)' -draw "polygon 190,0 262,0 150,177 78,177" \
  -fill 'rgba(255,255,255,0.12)' -draw "polygon 282,0 306,0 194,177 170,177" \
  "$TMP/streak.png"
im "$TMP/glass.png" \
  -fill '#1E2A33' -draw "path 'M 0,150 C 90,138 266,138 356,150 L 356,178 L 0,178 Z'" \
  -fill '#F4F4EE' -draw "roundrectangle 282,120 344,138 3,3" \
  -fill '#1B3F8C' -font "$PGOTHIC" -pointsize 12 -annotate +289+134 'ワンマン' \
  -stroke '#1A2229' -strokewidth 6 -fill none -draw "ellipse 90,150 34,14 180,360" +stroke \
  "$TMP/streak.png" -composite "$TMP/windscreen.png"
im "$TMP/bg8.png" \
  -fill '#15191C' -draw "roundrectangle 132,34 504,292 16,16" \
  -fill '#24292E' -draw "roundrectangle 138,38 498,100 8,8" \
  -fill '#050505' -draw "rectangle $ROLL_BOX" -draw "rectangle $LED_BOX" \
  -fill '#3A4046' -draw "rectangle 138,100 498,104" \
  "$TMP/windscreen.png" -geometry +140+106 -composite \
  "$TMP/bg9.png"

# Wipers parked along the bottom of the windscreen.
im "$TMP/bg9.png" \
  -stroke '#0E1113' -strokewidth 3 -draw "line 214,282 318,262" -draw "line 380,282 484,262" \
  -strokewidth 2 -draw "line 226,276 312,262" -draw "line 392,276 478,262" +stroke \
  -fill '#0E1113' -draw "circle 214,282 214,277" -draw "circle 380,282 380,277" \
  "$TMP/bg10.png"

# Emblem under the windscreen: a green disc with a white wave; a low-floor sticker.
im "$TMP/bg10.png" \
  -fill '#1F5FA8' -draw "roundrectangle 146,298 212,312 3,3" \
  -fill white -font "$PGOTHIC" -pointsize 10 -annotate +150+309 'ノンステップ' \
  -fill "$GREEN" -draw "circle 318,306 318,295" \
  -stroke white -strokewidth 2 -fill none -draw "path 'M 310,308 C 314,300 318,312 326,302'" +stroke \
  "$TMP/bg11.png"

# Head lamps with turn signals, the bumper and the number plate.
lamp() {  # X0 -> -draw arguments of one lamp unit, 58 px wide
  local x=$1
  printf '%s\n' -fill '#2A2E33' -draw "roundrectangle $x,376 $((x + 58)),410 10,10" \
    -fill '#F6F3E8' -draw "circle $((x + 14)),393 $((x + 14)),383" -draw "circle $((x + 38)),393 $((x + 38)),385" \
    -fill '#FFFFFF' -draw "circle $((x + 12)),390 $((x + 12)),386" -draw "circle $((x + 36)),391 $((x + 36)),388"
}
mapfile -t LAMP_L < <(lamp 138)
mapfile -t LAMP_R < <(lamp 440)
im "$TMP/bg11.png" \
  "${LAMP_L[@]}" "${LAMP_R[@]}" \
  -fill '#F59B2A' -draw "roundrectangle 138,356 170,368 4,4" -draw "roundrectangle 466,356 498,368 4,4" \
  -fill '#FFD08A' -draw "roundrectangle 141,358 160,361 2,2" -draw "roundrectangle 469,358 488,361 2,2" \
  -fill '#2B2E31' -draw "roundrectangle 120,436 516,462 10,10" \
  -fill '#45494D' -draw "rectangle 128,437 508,440" \
  -fill '#1C1E20' -draw "rectangle 128,456 508,459" \
  "$TMP/bg12.png"

# Number plate: a commercial plate, white text on green.
im "$TMP/bg12.png" \
  -fill '#E8E8E8' -draw "roundrectangle 276,390 360,432 4,4" \
  -fill '#1D6B46' -draw "roundrectangle 278,392 358,430 3,3" \
  -fill white -font "$PGOTHIC" -pointsize 10 -annotate +294+405 '楓ヶ原 230' \
  -pointsize 9 -annotate +283+424 'か' \
  -pointsize 19 -annotate +296+426 '38-61' \
  "$TMP/bus.png"

im "$TMP/bus.png" -crop ${BG_W}x$BG_H+0+0 +repage -background black -flatten \
  "${CLEAN[@]}" -quality 90 -sampling-factor 2x2 bus.jpg

# ---------------------------------------------------------------------------
# 2. The roll strip: white bold gothic on black, one frame per destination.
#
# Text is drawn large, thickened with an outline of its own colour, and scaled down
# by a fixed factor so every frame has the same letter size; a name too long for the
# frame is condensed sideways only, as on a real roll.

STRIP_SCALE=25   # percent: the text is drawn at 4x
MARGIN_X=9       # clear space left and right of the widest text

# text POINTSIZE_AT_4X TEXT KERNING -> file $TMP/text.png, trimmed, white on black
text() {
  im -background black -fill white -stroke white -strokewidth "$4" -font "$GOTHIC" \
    -pointsize "$1" -kerning "$3" label:"$2" -trim +repage -resize "${STRIP_SCALE}%" "$TMP/text.png"
}

# fit MAX_WIDTH -> condenses $TMP/text.png to MAX_WIDTH if it is wider
fit() {
  local w h
  read -r w h < <(im "$TMP/text.png" -format '%w %h\n' info:)
  if [ "$w" -gt "$1" ]; then
    im "$TMP/text.png" -resize "$1x$h!" "$TMP/text.png"
  fi
}

# roll_frame N TEXT [KERNING] -> $TMP/frame_N.png, one line
roll_frame() {
  text 136 "$2" "${3:-0}" 5
  fit $((ROLL_W - 2 * MARGIN_X))
  im -size ${ROLL_W}x$ROLL_H xc:black "$TMP/text.png" -gravity center -composite \
    "$TMP/frame_$(printf %02d "$1").png"
}

# roll_frame2 N TEXT SMALL_TEXT -> $TMP/frame_N.png, a big line with a small line under it
roll_frame2() {
  text 104 "$2" 0 4
  fit $((ROLL_W - 2 * MARGIN_X))
  cp "$TMP/text.png" "$TMP/big.png"
  text 52 "$3" 6 2
  fit $((ROLL_W - 2 * MARGIN_X))
  im -size ${ROLL_W}x$ROLL_H xc:black \
    "$TMP/big.png" -gravity north -geometry +0+4 -composite \
    "$TMP/text.png" -gravity south -geometry +0+4 -composite \
    "$TMP/frame_$(printf %02d "$1").png"
}

roll_frame 0  '回送' 60
roll_frame 1  '試運転' 24
roll_frame 2  '霞ノ浜'
roll_frame 3  '楓ヶ原車庫'
roll_frame 4  '月見坂中央'
roll_frame 5  'みずかがみ公園'
roll_frame 6  '雲雀野ニュータウン'
roll_frame 7  '星見橋'
roll_frame 8  '白砂台駅'
roll_frame 9  '楡の森'
roll_frame 10 '貸切' 60
roll_frame2 11 '楓ヶ原車庫' '月見坂中央 経由'
roll_frame2 12 '星見橋' '循環'
ROLL_FRAMES=13

frames=()
for ((i = 0; i < ROLL_FRAMES; i++)); do frames+=("$TMP/frame_$(printf %02d "$i").png"); done
im "${frames[@]}" -append -colorspace sRGB -type TrueColor "${CLEAN[@]}" BMP3:strip.bmp

# ---------------------------------------------------------------------------
# 3. The LED-style frames: orange dots on black, 40 x 16 dots at a pitch of 3 px.
#
# Words are drawn at four pixels per dot, averaged down to the dot grid and cut at a
# threshold, so every dot is either lit or dark. Route numbers use a bold digit
# font of our own, 9 x 16 dots, written out below.

DOTS_W=$((LED_W / 3)); DOTS_H=$((LED_H / 3))
LED_ON='#FF9A2E'; LED_OFF='#2B1A0C'

# One cell of the grid: a 2 x 2 dot in a 3 x 3 cell.
im -size 3x3 xc:black -fill white -draw "rectangle 0,0 1,1" "$TMP/cell.png"
im -size ${LED_W}x$LED_H tile:"$TMP/cell.png" "$TMP/grid.png"

# dots_to_led NAME -> led/NAME.bmp from the dot map $TMP/dots.png (white = lit). The
# lit dots get a faint glow around them, as a real LED board seen from a few metres.
# An optional second argument is the picture's width (a page wider than the sign).
dots_to_led() {
  local width=${2:-$LED_W} grid="$TMP/grid.png"
  if [ "$width" -ne "$LED_W" ]; then
    grid="$TMP/grid_wide.png"
    im -size ${width}x$LED_H tile:"$TMP/cell.png" "$grid"
  fi
  im "$TMP/dots.png" -colorspace gray -threshold 50% \
    -filter point -resize ${width}x$LED_H\! -colorspace sRGB -type TrueColor "$TMP/big.png"
  im "$TMP/big.png" -colorspace sRGB -type TrueColor +level-colors "black,$LED_ON" \
    "$grid" -compose multiply -composite \
    -blur 0x1.6 -evaluate multiply 0.55 "$TMP/glow.png"
  im "$TMP/big.png" -colorspace sRGB -type TrueColor +level-colors "$LED_OFF,$LED_ON" \
    "$grid" -compose multiply -composite \
    "$TMP/glow.png" -compose screen -composite \
    -type TrueColor "${CLEAN[@]}" BMP3:"led/$1.bmp"
}

# dots_to_plain NAME -> led-plain/NAME.bmp: the same dot map as a plain picture, one solid
# 3 x 3 block a dot, for the sign's own dot look to draw as dots.
dots_to_plain() {
  im "$TMP/dots.png" -colorspace gray -threshold 50% -filter point -resize 300% \
    -colorspace sRGB -type TrueColor +level-colors "black,$LED_ON" \
    -type TrueColor "${CLEAN[@]}" BMP3:"led-plain/$1.bmp"
}

# led_wide NAME TEXT -> led/NAME.bmp and led-plain/NAME.bmp, a page as wide as its text at
# full size, which the sign scrolls through
led_wide() {
  local w h dots
  im -background black -fill white -stroke white -strokewidth 1 -font "$GOTHIC" \
    -pointsize $((DOTS_H * 4)) label:"$2" -trim +repage "$TMP/led_text.png"
  read -r w h < <(im "$TMP/led_text.png" -format '%w %h\n' info:)
  dots=$(((w + 3) / 4 + 2))
  im "$TMP/led_text.png" -resize "${w}x$((DOTS_H * 4))!" "$TMP/led_text.png"
  im -size $((dots * 4))x$((DOTS_H * 4)) xc:black "$TMP/led_text.png" -gravity center -composite \
    -filter box -resize ${dots}x$DOTS_H\! -colorspace gray -threshold 50% "$TMP/dots.png"
  dots_to_led "$1" $((dots * 3))
  dots_to_plain "$1"
}

# led_word NAME TEXT -> led/NAME.bmp, text in the gothic font at four pixels per dot,
# stretched to the full height of the matrix so strokes meet the rows of dots, and
# condensed sideways if it is wider than the matrix less a dot each side
led_word() {
  local w h max=$(((DOTS_W - 2) * 4))
  im -background black -fill white -stroke white -strokewidth 1 -font "$GOTHIC" \
    -pointsize $((DOTS_H * 4)) label:"$2" -trim +repage "$TMP/led_text.png"
  read -r w h < <(im "$TMP/led_text.png" -format '%w %h\n' info:)
  [ "$w" -gt "$max" ] && w=$max
  im "$TMP/led_text.png" -resize "${w}x$((DOTS_H * 4))!" "$TMP/led_text.png"
  im -size $((DOTS_W * 4))x$((DOTS_H * 4)) xc:black "$TMP/led_text.png" -gravity center -composite \
    -filter box -resize ${DOTS_W}x$DOTS_H\! -colorspace gray -threshold 50% "$TMP/dots.png"
  dots_to_led "$1"
  dots_to_plain "$1"
}

# led_number NAME DIGITS -> led/NAME.bmp, bold digits centred on the matrix
led_number() {
  python3 - "$2" "$DOTS_W" "$DOTS_H" "$TMP/dots.pbm" <<'EOF'
import sys
digits, width, height, out = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
FONT = {  # the digits this sample uses
    "1": ["....11...", "...111...", "..1111...", ".11.11...", "....11...", "....11...", "....11...",
          "....11...", "....11...", "....11...", "....11...", "....11...", "....11...", "....11...",
          "..111111.", "..111111."],
    "2": ["..11111..", ".1111111.", "111...111", "11.....11", ".......11", ".......11", "......111",
          ".....111.", "....111..", "...111...", "..111....", ".111.....", "111......", "11.......",
          "111111111", "111111111"],
    "3": [".1111111.", "111111111", "11.....11", ".......11", ".......11", "......111", "..111111.",
          "..111111.", "......111", ".......11", ".......11", ".......11", "11.....11", "111...111",
          "111111111", ".1111111."],
    "5": ["111111111", "111111111", "11.......", "11.......", "11.......", "1111111..", "11111111.",
          "......111", ".......11", ".......11", ".......11", ".......11", "11.....11", "111...111",
          "11111111.", ".111111.."],
}
GAP = 2
glyphs = [FONT[d] for d in digits]
text_width = sum(len(g[0]) for g in glyphs) + GAP * (len(glyphs) - 1)
rows = [[0] * width for _ in range(height)]
x = (width - text_width) // 2
for g in glyphs:
    for y, line in enumerate(g):
        for dx, c in enumerate(line):
            if c == "1":
                rows[y][x + dx] = 1
    x += len(g[0]) + GAP
with open(out, "w") as f:
    f.write("P1\n%d %d\n" % (width, height))
    for r in rows:
        f.write(" ".join("1" if v else "0" for v in r) + "\n")
EOF
  # PBM: 1 is black, so negate to make lit dots white
  im "$TMP/dots.pbm" -negate "$TMP/dots.png"
  dots_to_led "$1"
  dots_to_plain "$1"
}

rm -rf led led-plain
mkdir led led-plain
led_number 01 '11'
led_word   02 '急行'
led_number 03 '23'
led_word   04 '月見坂'
led_word   05 '回送'
led_word   06 '深夜'
led_number 07 '35'
led_word   08 '臨時'
# Second pages: 急行 in English, and 月見坂's route, too long for the sign, scrolling.
led_word   02+2 'EXPRESS'
led_wide   04+2 '月見坂中央 経由 みずかがみ公園 ゆき'

# ---------------------------------------------------------------------------
# 4. The scene file. Little-endian int32 numbers, the sign kind as one byte, strings
# as an int32 byte count followed by Shift-JIS text. The paths name the files as if
# the sample were at C:\Rolva\samples; a stored file that is missing is looked for by
# its name beside the scene file, so the sample works wherever it is copied.

# scene FILE LED_FOLDER [DOTS]: with DOTS the file ends in the live-look block, the second
# sign's pictures shown through round dots three pixels apart with a glow, the rest the
# defaults: "RolvaLiveLook", version 1, the payload's size, then per sign page time (ms),
# scroll speed (pixels a second), dot look, pitch, round dots, gap colour, glow.
scene() {
  python3 - "$1" "$FORM_W" "$FORM_H" "${3:-}" \
    0 "$ROLL_X" "$ROLL_Y" "$ROLL_W" "$ROLL_H" 8 400 6 'C:\Rolva\samples\strip.bmp' \
    1 "$LED_X" "$LED_Y" "$LED_W" "$LED_H" 0 0 6 "C:\\Rolva\\samples\\$2" <<'PY'
import struct, sys

out, form_w, form_h, dots = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
signs = [sys.argv[5:14], sys.argv[14:23]]

def string(text):
    data = text.encode("cp932")
    return struct.pack("<i", len(data)) + data

blob = string("Rolva4DataFile") + string("C:\\Rolva\\samples\\bus.jpg")
blob += struct.pack("<ii", form_w, form_h)
for kind, *numbers, path in signs:
    blob += struct.pack("<B", int(kind))
    blob += struct.pack("<7i", *(int(n) for n in numbers))
    blob += string(path)
if dots:
    defaults = [2500, 60, 0, 3, 1, 0x101010, 1]
    dotted = [2500, 60, 1, 3, 1, 0x101010, 1]
    blob += string("RolvaLiveLook") + struct.pack("<ii", 1, 56) + struct.pack("<14i", *defaults, *dotted)
with open(out, "wb") as f:
    f.write(blob)
PY
}
scene demo.rv4 led
scene live.rv4 led-plain dots

# ---------------------------------------------------------------------------
# 5. With PREVIEW_DIR set, also writes two pictures to look at (not part of the sample):
# scene_preview.png, the background with roll frame ROLL_FRAME (default 0) and LED frame
# LED_FRAME (default 01) in place, and scene_contact.png, every frame at twice the size.

if [ -n "${PREVIEW_DIR:-}" ]; then
  mkdir -p "$PREVIEW_DIR"
  roll_frame_no=${ROLL_FRAME:-0}
  im bus.jpg \
    \( strip.bmp -crop ${ROLL_W}x$ROLL_H+0+$((roll_frame_no * ROLL_H)) +repage \) \
    -geometry +$ROLL_X+$ROLL_Y -composite \
    led/"${LED_FRAME:-01}".bmp -geometry +$LED_X+$LED_Y -composite \
    "${CLEAN[@]}" "$PREVIEW_DIR/scene_preview.png"
  im \( strip.bmp -filter point -resize 200% \) \
    \( led/*.bmp -bordercolor '#404040' -border 2 -append -filter point -resize 200% \) \
    -background '#404040' -gravity north +append "${CLEAN[@]}" "$PREVIEW_DIR/scene_contact.png"
fi
