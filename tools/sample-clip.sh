#!/usr/bin/env bash
# Makes docs/sample-clip.gif, the README's clip of the sample scene, with the program's own
# GIF export under Wine on a private Xvfb, and its sound track docs/sample-clip.wav.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ROLVA_XVFB=1
ROLVA_WINEPREFIX="$ROOT/build/wineprefix-test"
source "$ROOT/tools/wine-env.sh"
ChooseFlavour "making the clip with" || exit 1
BuildPreset "$FLAVOUR_PRESET" sample_clip || exit 1
StartDisplay || exit 1
trap StopDisplay EXIT
EnsurePrefix
wine "$FLAVOUR_DIR/sample_clip.exe" "$(winepath -w "$ROOT/samples/demo.rv4")" "$(winepath -w "$ROOT/docs/sample-clip.gif")"
