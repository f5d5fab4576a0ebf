#!/usr/bin/env bash
# Runs the benchmark program under Wine on a private Xvfb and prints its figures.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ROLVA_XVFB=1
ROLVA_WINEPREFIX="$ROOT/build/wineprefix-test"  # the tests' prefix: no window manager in the way
source "$ROOT/tools/wine-env.sh"
ChooseFlavour measuring || exit 1
BuildPreset "$FLAVOUR_PRESET" Rolva bench || exit 1
StartDisplay || exit 1
trap StopDisplay EXIT
EnsurePrefix
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wine "$FLAVOUR_DIR/bench.exe"
