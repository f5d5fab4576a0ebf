#!/usr/bin/env bash
# Draws Rolva's artwork into this folder: the program icon, the banner, the
# splash picture, the keypad faces and the Help button picture.
#
# The generated files are committed, so a Windows build does not need this
# script. Rerun it after changing a drawing here; the output is byte-for-byte
# the same on every run (no timestamps or other metadata are written).
#
# Needs: ImageMagick 6 (convert) and the IPA fonts (Debian: fonts-ipafont).
# The committed files were made with ImageMagick 6.9.11 and IPA fonts 003.03;
# other versions may rasterise text a little differently.
set -euo pipefail

cd "$(dirname "$0")"

CONVERT=${CONVERT:-convert}
FONT_DIR=${IPA_FONT_DIR:-/usr/share/fonts/opentype}
GOTHIC=$FONT_DIR/ipafont-gothic/ipag.ttf     # fixed-pitch gothic
PGOTHIC=$FONT_DIR/ipafont-gothic/ipagp.ttf   # proportional gothic

for f in "$GOTHIC" "$PGOTHIC"; do
  [ -r "$f" ] || { echo "make_art.sh: font not found: $f" >&2; exit 1; }
done
command -v "$CONVERT" >/dev/null || { echo "make_art.sh: ImageMagick convert not found" >&2; exit 1; }

# One thread and fixed settings keep the colour reduction stable.
export MAGICK_THREAD_LIMIT=1
export MAGICK_OCL_DEVICE=OFF

# Options that keep dates, profiles and comments out of every file.
CLEAN=(+set date:create +set date:modify +set date:timestamp -strip)

im() { "$CONVERT" -density 72 -units PixelsPerInch "$@"; }

# ---------------------------------------------------------------------------
# Program icon: a dark destination-sign box showing a dot-matrix "R".

# The letter as a 5 x 7 matrix, top row first.
R_ROWS=(11110 10001 10001 11110 10100 10010 10001)

# dots X0 Y0 PITCH SIZE ON_COLOUR OFF_COLOUR -> prints -draw arguments
dots() {
  local x0=$1 y0=$2 pitch=$3 size=$4 on=$5 off=$6 r c x y bits
  for r in 0 1 2 3 4 5 6; do
    bits=${R_ROWS[$r]}
    for c in 0 1 2 3 4; do
      x=$((x0 + c * pitch)); y=$((y0 + r * pitch))
      if [ "${bits:$c:1}" = 1 ]; then
        printf '%s\n' -fill "$on"
      else
        [ "$off" = none ] && continue
        printf '%s\n' -fill "$off"
      fi
      printf '%s\n' -draw "rectangle $x,$y $((x + size - 1)),$((y + size - 1))"
    done
  done
}

mapfile -t DOTS32 < <(dots 9 6 3 2 '#FF9A1A' '#2A1C0A')

# At 16 x 16 there is no room for separate dots: a solid pixel letter.
R16=(
  -draw 'rectangle 4,3 10,4' -draw 'point 11,4'
  -draw 'rectangle 4,5 5,12'
  -draw 'rectangle 10,5 11,7'
  -draw 'rectangle 6,7 10,8' -draw 'point 11,7'
  -draw 'rectangle 7,9 8,9' -draw 'rectangle 8,10 9,10'
  -draw 'rectangle 9,11 10,11' -draw 'rectangle 10,12 11,12'
)

im -background none \
  \( -size 32x32 xc:none +antialias \
     -fill '#101010' -stroke '#8C8C8C' -strokewidth 1 -draw 'roundrectangle 0,0 31,31 5,5' \
     -fill none -stroke '#2E2E2E' -draw 'roundrectangle 1,1 30,30 4,4' \
     -stroke none "${DOTS32[@]}" \) \
  \( -size 16x16 xc:none +antialias \
     -fill '#101010' -stroke '#8C8C8C' -strokewidth 1 -draw 'roundrectangle 0,0 15,15 3,3' \
     -stroke none -fill '#FF9A1A' "${R16[@]}" \) \
  "${CLEAN[@]}" Rolva.ico

# ---------------------------------------------------------------------------
# Banner, 450 x 50, 256 colours: a blue band with the title and a sign plate
# showing the version.

im -size 450x50 -define gradient:direction=East gradient:'#0B2545-#1F6E99' \
  -fill '#FFFFFF20' -draw 'rectangle 0,0 449,1' \
  -fill '#F28C1B' -draw 'rectangle 0,45 449,47' \
  -fill '#0A1A30' -draw 'rectangle 0,48 449,49' \
  -font "$PGOTHIC" -pointsize 34 -gravity West \
  -fill '#00000090' -stroke '#00000090' -strokewidth 1 -annotate +22+1 'Rolva' \
  -fill '#FFFFFF' -stroke '#FFFFFF' -strokewidth 1 -annotate +20-1 'Rolva' \
  -gravity NorthWest -stroke none \
  -fill '#05080C' -draw 'roundrectangle 300,9 437,39 4,4' \
  -fill none -stroke '#7D8A96' -strokewidth 1 -draw 'roundrectangle 300,9 437,39 4,4' \
  -stroke '#1B2530' -draw 'roundrectangle 302,11 435,37 3,3' \
  -stroke none -font "$GOTHIC" -pointsize 18 -gravity NorthWest \
  -fill '#FFA726' -stroke '#FFA726' -strokewidth 0.4 -annotate +328+14 'Ver4 SR-2' \
  -stroke none +dither -colors 256 -type Palette \
  "${CLEAN[@]}" -compress None -define bmp:format=bmp3 BMP3:banner.bmp

# ---------------------------------------------------------------------------
# Splash / About picture, 450 x 330, black and white: a bus and a train seen
# from the side, along the bottom, so the upper and middle part stays clear
# for text.

# sign X0 Y0 X1 Y1 -> -draw arguments for a lit sign box: black, with short
# white strokes standing for the lettering.
sign() {
  local x0=$1 y0=$2 x1=$3 y1=$4 x ty lens=(3 1 4 2 2 5 1 3) i=0 n
  printf '%s\n' -fill black -draw "rectangle $x0,$y0 $x1,$y1" -stroke none -fill white
  ty=$(( (y0 + y1) / 2 - 1 ))
  x=$((x0 + 3))
  while :; do
    n=${lens[$((i % ${#lens[@]}))]}
    [ $((x + n)) -le $((x1 - 3)) ] || break
    printf '%s\n' -draw "rectangle $x,$ty $((x + n - 1)),$((ty + 1))"
    x=$((x + n + 1 + (i % 3 == 2 ? 2 : 0)))
    i=$((i + 1))
  done
  printf '%s\n' -stroke black
}

BUS=(
  # body, front at the left
  -draw 'roundrectangle 22,232 214,298 8,8'
  -draw 'line 22,286 214,286'
  # windscreen and mirror
  -draw 'rectangle 25,246 40,272'
  -draw 'polyline 22,248 16,246 16,258'
  # front door, two leaves
  -draw 'rectangle 46,246 66,294'
  -draw 'line 56,246 56,294'
  -draw 'rectangle 48,249 54,272' -draw 'rectangle 58,249 64,272'
  # passenger windows
  -draw 'rectangle 72,246 98,270'  -draw 'rectangle 102,246 128,270'
  -draw 'rectangle 132,246 158,270' -draw 'rectangle 162,246 188,270'
  -draw 'rectangle 192,246 210,270'
  # roof unit
  -draw 'rectangle 150,226 186,232'
  # lamps and bumpers
  -draw 'rectangle 24,277 29,281'
  -draw 'rectangle 207,277 212,281'
  -draw 'line 19,294 36,294'
  -draw 'line 204,294 217,294'
  # wheel arches
  -draw 'arc 46,280 86,320 180,360'
  -draw 'arc 158,280 198,320 180,360'
)
mapfile -t BUS_SIGNS < <(sign 27 235 62 242; sign 74 235 128 242)
BUS_WHEELS=(
  -fill black -draw 'circle 66,300 66,315'  -draw 'circle 178,300 178,315'
  -fill white -draw 'circle 66,300 66,306'  -draw 'circle 178,300 178,306'
)

TRAIN=(
  # body: a sloping nose at the left, running on past the right edge
  -draw 'polyline 470,224 264,224 252,227 244,234 239,246 237,262 237,290 470,290'
  -draw 'line 237,282 470,282'
  # front window and headlight
  -draw 'polygon 248,235 262,231 270,231 270,258 240,258 242,246'
  -draw 'rectangle 240,268 246,273'
  # roof units
  -draw 'rectangle 280,218 308,224'
  -draw 'rectangle 420,218 448,224'
  # doors, each with two windows
  -draw 'rectangle 280,234 306,286' -draw 'line 293,234 293,286'
  -draw 'rectangle 283,238 290,262' -draw 'rectangle 296,238 303,262'
  -draw 'rectangle 392,234 418,286' -draw 'line 405,234 405,286'
  -draw 'rectangle 395,238 402,262' -draw 'rectangle 408,238 415,262'
  # windows between the doors
  -draw 'rectangle 314,242 346,262' -draw 'rectangle 352,242 384,262'
  -draw 'rectangle 426,242 458,262'
  # pantograph
  -draw 'line 350,224 350,220' -draw 'line 390,224 390,220'
  -draw 'line 346,220 394,220'
  -draw 'line 356,220 376,202' -draw 'line 384,220 376,202'
  -draw 'line 376,202 364,190' -draw 'line 376,202 388,190'
  -draw 'line 356,190 396,190'
  # coupler
  -draw 'rectangle 229,291 237,295'
  # bogies
  -draw 'rectangle 276,293 340,299' -draw 'rectangle 392,293 456,299'
)
mapfile -t TRAIN_SIGNS < <(sign 328 229 376 237)
TRAIN_WHEELS=(
  -fill black
  -draw 'circle 290,306 290,316' -draw 'circle 326,306 326,316'
  -draw 'circle 406,306 406,316' -draw 'circle 442,306 442,316'
  -fill white
  -draw 'circle 290,306 290,310' -draw 'circle 326,306 326,310'
  -draw 'circle 406,306 406,310' -draw 'circle 442,306 442,310'
)

LINE=(
  # mast and overhead wire
  -fill white -draw 'rectangle 223,180 226,316'
  -draw 'line 226,185 242,185'
  -draw 'line 226,188 449,188'
  -fill none
  # road under the bus, rail and sleepers under the train
  -draw 'line 6,316 219,316'
  -draw 'line 230,317 449,317'
  -draw 'line 230,319 449,319'
  # frame
  -draw 'rectangle 0,0 449,329'
  -draw 'rectangle 3,3 446,326'
)
for x in $(seq 234 14 446); do
  LINE+=(-draw "line $x,321 $((x + 6)),321" -draw "line $((x - 1)),322 $((x + 7)),322")
done

im -size 450x330 xc:white +antialias -stroke black -strokewidth 1 \
  -fill white "${BUS[@]}" "${BUS_SIGNS[@]}" "${BUS_WHEELS[@]}" \
  -fill white "${TRAIN[@]}" "${TRAIN_SIGNS[@]}" "${TRAIN_WHEELS[@]}" \
  "${LINE[@]}" \
  +dither -monochrome -type Bilevel \
  "${CLEAN[@]}" -compress None -define bmp:format=bmp3 BMP3:splash.bmp

# ---------------------------------------------------------------------------
# Keypad faces, 26 x 22, 16 colours.

# key FILE FACE LIGHT SHADE INK POINTSIZE WEIGHT TEXT
# WEIGHT is an outline width that thickens the glyph (the gothic has no bold).
key() {
  local file=$1 face=$2 light=$3 shade=$4 ink=$5 size=$6 weight=$7 text=$8
  im -size 26x22 xc:"$face" +antialias -stroke none \
    -fill "$light" -draw 'rectangle 1,1 24,1' -draw 'rectangle 1,1 1,20' \
    -fill "$shade" -draw 'rectangle 1,20 24,20' -draw 'rectangle 24,1 24,20' \
    -draw 'point 23,19' \
    -fill none -stroke '#303030' -strokewidth 1 -draw 'rectangle 0,0 25,21' \
    -antialias -font "$GOTHIC" -pointsize "$size" -gravity Center \
    -fill "$ink" -stroke "$ink" -strokewidth "$weight" -annotate +0+0 "$text" \
    -stroke none +dither -colors 16 -type Palette \
    "${CLEAN[@]}" -compress None -define bmp:format=bmp3 "BMP3:$file"
}

for d in 0 1 2 3 4 5 6 7 8 9; do
  key "key_$d.bmp" '#FFD21A' '#FFF2A6' '#B08A00' '#000000' 18 0.5 "$d"
done
key key_c.bmp       '#F4F4F4' '#FFFFFF' '#A0A0A0' '#E00000' 18 0.5 'C'
key key_forward.bmp '#F4F4F4' '#FFFFFF' '#A0A0A0' '#E00000' 16 0.3 '送'
key key_back.bmp    '#F4F4F4' '#FFFFFF' '#A0A0A0' '#0030D0' 16 0.3 '戻'
key key_reset.bmp   '#D81818' '#F07070' '#800808' '#FFE400' 16 0.3 '強'
key key_on.bmp      '#40D8C8' '#B0F4EC' '#188C80' '#D00000' 15 0.5 'ON'

# ---------------------------------------------------------------------------
# Help button picture, 71 x 29, 256 colours. The background is exactly
# (192,192,192) so LoadImage's LR_LOADMAP3DCOLORS turns it into the button
# face colour.

im -size 71x29 xc:'#C0C0C0' +antialias -stroke black -strokewidth 1 \
  -fill white -draw 'polygon 4,3 16,3 22,9 22,26 4,26' \
  -fill '#E0E0E0' -draw 'polygon 16,3 16,9 22,9' \
  -fill '#808080' -stroke none -draw 'rectangle 5,27 23,27' -draw 'rectangle 23,10 23,27' \
  -antialias -font "$PGOTHIC" -pointsize 18 -gravity NorthWest \
  -fill black -stroke black -strokewidth 2.4 -annotate +8+6 '?' \
  -fill '#FFE000' -stroke '#FFE000' -strokewidth 0.6 -annotate +8+6 '?' \
  -font "$PGOTHIC" -pointsize 15 -fill black -stroke black -strokewidth 0.4 \
  -annotate +28+6 'Help' \
  -stroke none +dither -colors 256 -type Palette \
  "${CLEAN[@]}" -compress None -define bmp:format=bmp3 BMP3:help.bmp

echo "make_art.sh: artwork written to $(pwd)"
