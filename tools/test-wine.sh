#!/usr/bin/env bash
# Runs the Windows test layers under Wine on a private Xvfb: the core tests as built for
# Windows, the tests of the real windows, and the end-to-end runs of the real exe; before them,
# the check of the built help file's content.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ROLVA_XVFB=1
source "$ROOT/tools/wine-env.sh"

StartDisplay || exit 1
trap StopDisplay EXIT
EnsurePrefix

status=0
run() {
  echo "== $1"
  local exe="$ROOT/build/win/$1.exe"
  shift
  wine "$exe" "$@"
  local rc=$?
  wineserver -w
  [ $rc -eq 0 ] || { echo "FAILED ($rc): $exe" >&2; status=1; }
}

echo "== help file"
"$ROOT/tools/check-help.sh" "$ROOT/build/win/Rolva.chm" || status=1

cd "$ROOT/build/win"
run core_tests_win
run win_tests --fixtures="$(winepath -w "$ROOT/tests/fixtures" 2>/dev/null)"
run e2e_driver --exe="$(winepath -w "$ROOT/build/win/Rolva.exe")"
exit $status
