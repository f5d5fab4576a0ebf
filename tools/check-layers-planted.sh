#!/usr/bin/env bash
# Shows that the floor check fails where it should: on a copy of the sources, plants a display
# file that includes the top floor, a core that includes <windows.h>, two rooms of one floor that
# include each other, a room the floor table does not know and the same faults spelt otherwise,
# and expects each to be reported.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rooms=$(cd "$ROOT" && for d in */; do d=${d%/}; case $d in build | tests | tools | docs | help | samples | cmake) ;; *) echo "$d" ;; esac; done)
for room in $rooms; do cp -r "$ROOT/$room" "$work/"; done

python3 "$ROOT/tools/check-layers.py" "$work" >/dev/null || { echo "layers: the unplanted copy does not pass" >&2; exit 1; }

echo '#include "app/Application.h"' >> "$work/display/SignWindows.cpp"
echo '#include <windows.h>' >> "$work/display/core/RollPlan.cpp"
echo '#include "maker/StripMaker.h"' >> "$work/clip/ClipScene.cpp"
mkdir -p "$work/stray" && echo '#include "base/Handles.h"' > "$work/stray/Stray.cpp"
# The same faults in other spellings: angle brackets, backslashes, a quoted system header, an ID
# table that pulls in a shell header, and an include behind a byte-order mark.
echo '#include <scene/SceneFile.h>' >> "$work/panel/Keypad.cpp"
echo '#include "settings\SettingsDialog.h"' >> "$work/maker/StripPreview.cpp"
echo '#include "windows.h"' >> "$work/panel/core/KeypadEntry.cpp"
echo '#include "base/Handles.h"' >> "$work/panel/ControlPanelIds.h"
printf '\xEF\xBB\xBF#include "app/Commands.h"\n' > "$work/document/Planted.cpp"

out=$(python3 "$ROOT/tools/check-layers.py" "$work")
status=$?
[ -n "${LAYERS_SHOW:-}" ] && echo "$out"  # LAYERS_SHOW=1 prints what the check said
failures=0
expect() {
  grep -qF "$1" <<<"$out" || { echo "layers: not reported: $1" >&2; failures=$((failures + 1)); }
}
[ $status -ne 0 ] || { echo "layers: planted includes passed the check" >&2; failures=$((failures + 1)); }
expect 'display/SignWindows.cpp'
expect 'a room above it'
expect 'display/core/RollPlan.cpp'
expect '<windows.h>'
expect 'clip/ClipScene.cpp'
expect 'on its own floor'
expect 'stray/: a room with sources that the floor table does not name'
expect 'panel/Keypad.cpp'
expect 'maker/StripPreview.cpp'
expect 'panel/core/KeypadEntry.cpp'
expect 'panel/ControlPanelIds.h'
expect 'document/Planted.cpp'
[ $failures -eq 0 ] && echo "layers: every planted include was reported"
exit $((failures > 0))
