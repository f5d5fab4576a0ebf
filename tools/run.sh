#!/usr/bin/env bash
# Starts the program under Wine: in the user's display when there is one; otherwise under a
# private Xvfb, where it takes a screenshot after a few seconds and stops the program.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/tools/wine-env.sh"
ChooseFlavour running || exit 1
BuildPreset "$FLAVOUR_PRESET" Rolva >/dev/null || exit 1

headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then headless=0; fi

StartDisplay
trap StopDisplay EXIT
EnsurePrefix

# With no file named, open the sample scene the way a double-click on it would.
if [ $# -eq 0 ]; then
  set -- "$(winepath -w "$ROOT/samples/demo.rv4" 2>/dev/null)"
fi

if [ "$headless" = 0 ]; then
  wine "$FLAVOUR_DIR/Rolva.exe" "$@"
  exit 0
fi

shot="$ROOT/build/screenshot.png"
# Wine's own desktop draws the window frames and captions that a bare Xvfb has no manager for.
wine explorer /desktop=rolva,1024x768 "$FLAVOUR_DIR/Rolva.exe" "$@" &
sleep "${ROLVA_SHOT_DELAY:-8}"
import -window root "$shot"
wineserver -k || true
echo "screenshot: $shot"
