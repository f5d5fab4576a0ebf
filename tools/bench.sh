#!/usr/bin/env bash
# Runs the benchmark program under Wine on a private Xvfb and prints its figures.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ROLVA_XVFB=1
source "$ROOT/tools/wine-env.sh"
StartDisplay || exit 1
trap StopDisplay EXIT
EnsurePrefix
wine "$ROOT/build/win/bench.exe"
