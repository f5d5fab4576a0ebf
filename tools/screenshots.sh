#!/usr/bin/env bash
# Takes the README's screenshots under Wine's own desktop on a private Xvfb.
#   scene: the sample scene at rest, the first sign in the middle of a roll, the LED sign stepped on.
#   files: the File menu (with the sample scene as a recent file), the GIF export options.
#   live:  live.rv4's LED sign through the dot look: a frame's second page, and a page scrolling.
#   open:  the 開く chooser with its list of file types open, scene packs among them.
#   maker: the 設定 menu with the maker's submenu, the strip maker with a list of ten destinations
#          for the first sign, and the same on a screen too small for it (cut, with a scroll bar).
#   sound: the 設定 menu with its サウンド submenu.
# With no argument all are taken; name some to take only those (tools/screenshots.sh maker files).
# The windows are placed with a settings file; menus, keys and buttons are clicked with xdotool
# at places measured on this 1024 x 768 desktop with Wine's default theme.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ROLVA_XVFB=1
source "$ROOT/tools/wine-env.sh"
ChooseFlavour "taking screenshots with" || exit 1
BuildPreset "$FLAVOUR_PRESET" Rolva >/dev/null || exit 1
StartDisplay
trap StopDisplay EXIT
EnsurePrefix

wanted=${*:-scene files live maker open sound}
stage="$ROOT/build/shots"
# The sample scene names its pictures under C:\Rolva\samples: a copy there opens as it would
# on a user's machine, and the maker's saved list can go beside the strip without touching samples/.
samples="$WINEPREFIX/drive_c/Rolva/samples"
scene='C:\Rolva\samples\demo.rv4'

# A fresh stage: the program, its help and a settings file with the Form at (8, 8) sized for
# the sample scene and the control panel to its right at (660, 40).
Stage()
{
  rm -rf "$stage" "$samples" && mkdir -p "$stage" "$(dirname "$samples")"
  cp -r "$ROOT/samples" "$samples"
  cp "$FLAVOUR_DIR/Rolva.exe" "$stage/"
  cp "$FLAVOUR_DIR/Rolva.chm" "$stage/" 2>/dev/null || true
  python3 -c "import struct,sys; sys.stdout.buffer.write(struct.pack('<6i', 8, 8, 640, 540, 660, 40))" > "$stage/Rolva.ini"
}

Start() { wine explorer /desktop=shots,"$1" "$stage/Rolva.exe" "${2:-$scene}" & sleep 9; }
Stop() { wineserver -k || true; sleep 1; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }
shot() { import -window root -crop "$2" +repage "$ROOT/docs/$1"; echo "docs/$1"; }
# The same, twice the size with every pixel a 2 x 2 block, for the dots of a sign.
close_shot() { import -window root -crop "$2" +repage -filter point -resize 200% "$ROOT/docs/$1"; echo "docs/$1"; }

# The Form's menu bar and the items of its menus, on the desktop.
file_menu=(48 40)
gif_item=(60 130)
settings_menu=(114 40)

if [[ " $wanted " == *" scene "* ]]; then
  Stage
  Start 1024x600
  # Client origin of the panel on the desktop: its place plus the frame and caption of Wine's theme.
  panel_x=$((660 + 3)); panel_y=$((40 + 22))
  panel() { click $((panel_x + $1 + 13)) $((panel_y + $2 + 10)) 0.3; }
  shot scene.png 940x560+0+0
  panel 70 41     # 9
  panel 70 104    # ON: rolls to frame 9
  sleep 2.2
  shot rolling.png 940x560+0+0
  sleep 4
  panel 230 62    # 送 on the LED sign
  panel 230 62
  shot led-stepped.png 940x560+0+0
  Stop
fi

if [[ " $wanted " == *" live "* ]]; then
  Stage
  Start 1024x600 'C:\Rolva\samples\live.rv4'
  panel_x=$((660 + 3)); panel_y=$((40 + 22))
  panel() { click $((panel_x + $1 + 13)) $((panel_y + $2 + 10)) 0.3; }
  panel 230 62    # 送: frame 1, 急行, then its second page EXPRESS
  sleep 3
  close_shot led-paging.png 380x76+140+80
  panel 230 62
  panel 230 62    # frame 3, 月見坂, then its route scrolling through
  sleep 5.5
  close_shot led-scrolling.png 380x76+140+80
  Stop
fi

if [[ " $wanted " == *" files "* ]]; then
  Stage
  Start 1024x768
  # Opening the scene put it in the recent files, above 終了.
  click "${file_menu[@]}" 1
  shot file-menu.png 330x204+0+0
  xdotool key Escape Escape
  sleep 0.5
  click "${file_menu[@]}" 1
  click "${gif_item[@]}" 1.5
  # The options dialog, centred on the Form.
  shot clip-dialog.png 436x317+110+119
  xdotool key Escape
  Stop
fi

if [[ " $wanted " == *" maker "* ]]; then
  Stage
  # The list the maker shows again for the strip it made: strip.rvm beside strip.bmp.
  { printf 'RolvaStrip 1\r\nframes\r\n'; sed 's/$/\r/' "$ROOT/tools/shots/maker-list.txt"; } |
    iconv -f UTF-8 -t CP932 > "$samples/strip.rvm"
  Start 1024x768
  click "${settings_menu[@]}" 1
  xdotool key m   # 幕の作成(M): its submenu of the two signs
  sleep 1
  shot maker-menu.png 330x120+0+0
  xdotool key 1   # 1つ目の方向幕(1)...
  sleep 2
  shot maker.png 760x560+0+0
  Stop
  # A 900 x 480 screen: the maker is cut to it and scrolls.
  Start 900x480
  click "${settings_menu[@]}" 1
  xdotool key m 1
  sleep 2
  shot maker-small.png 900x480+0+0
  Stop
fi

if [[ " $wanted " == *" sound "* ]]; then
  Stage
  Start 1024x768
  click "${settings_menu[@]}" 1
  xdotool key u   # サウンド(U): sound on, the volume, the LED click
  sleep 1
  shot sound-menu.png 560x250+0+0
  Stop
fi

if [[ " $wanted " == *" open "* ]]; then
  Stage
  # The chooser starts in the current folder: the sample scene's.
  pushd "$samples" >/dev/null
  Start 1024x768
  popd >/dev/null
  click "${file_menu[@]}" 1
  xdotool key o   # 開く(O)...
  sleep 2
  # ファイルの種類(T) and its list dropped down.
  xdotool key alt+t
  sleep 0.5
  xdotool key alt+Down
  sleep 1
  shot open-chooser.png 640x480+0+0
  xdotool key Escape Escape
  Stop
fi
