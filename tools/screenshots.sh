#!/usr/bin/env bash
# Takes the README's screenshots of the sample scene under Wine's own desktop on a private Xvfb:
# the scene at rest, the first sign in the middle of a roll, the LED sign stepped on.
# The windows are placed side by side with a settings file, and keys are clicked with xdotool.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ROLVA_XVFB=1
source "$ROOT/tools/wine-env.sh"
StartDisplay
trap StopDisplay EXIT
EnsurePrefix

stage="$ROOT/build/shots"
rm -rf "$stage" && mkdir -p "$stage"
cp "$ROOT/build/win/Rolva.exe" "$ROOT/build/win/Rolva.chm" "$stage/"
# Form at (8, 8) sized for the sample scene, the control panel to its right at (660, 40).
python3 -c "import struct,sys; sys.stdout.buffer.write(struct.pack('<6i', 8, 8, 640, 540, 660, 40))" > "$stage/Rolva.ini"

wine explorer /desktop=shots,1024x600 "$stage/Rolva.exe" "$(winepath -w "$ROOT/samples/demo.rv4")" &
sleep 9

# Client origin of the panel on the desktop: its place plus the frame and caption of Wine's theme.
panel_x=$((660 + 3)); panel_y=$((40 + 22))
click() { xdotool mousemove $((panel_x + $1 + 13)) $((panel_y + $2 + 10)) click 1; sleep 0.3; }
shot() { import -window root -crop 940x560+0+0 +repage "$ROOT/docs/$1"; echo "docs/$1"; }

shot scene.png
click 70 41     # 9
click 70 104    # ON: rolls to frame 9
sleep 2.2
shot rolling.png
sleep 4
click 230 62    # 送 on the LED sign
click 230 62
shot led-stepped.png
wineserver -k || true
