#!/usr/bin/env bash
# Runs the Windows test layers under Wine on a private Xvfb: the core tests as built for
# Windows, the tests of the real windows, and the end-to-end runs of the real exe; before them,
# the check of the built help file's content.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ROLVA_XVFB=1
# A prefix of the tests' own: its windows are not handed to a window manager, which spares the
# two-second wait Wine makes at every hidden or destroyed window when no manager answers.
ROLVA_WINEPREFIX="$ROOT/build/wineprefix-test"
source "$ROOT/tools/wine-env.sh"
ChooseFlavour testing || exit 1

# Both flavours of the program are compiled, so that neither rots; the tests run on the one
# this machine can run.
BuildPreset win Rolva || exit 1
BuildPreset win64 Rolva || exit 1
# The 32-bit program is the product: it must be able to use 4 GB under 64-bit Windows.
python3 "$ROOT/tools/check-large-address.py" "$ROOT/build/win/Rolva.exe" || exit 1
BuildPreset "$FLAVOUR_PRESET" win_tests core_tests_win e2e_driver || exit 1

StartDisplay || exit 1
trap StopDisplay EXIT
EnsurePrefix
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w

status=0
log=$(mktemp)
run() {
  echo "== $1"
  local exe="$FLAVOUR_DIR/$1.exe"
  shift
  wine "$exe" "$@" 2>&1 | tee -a "$log"
  local rc=${PIPESTATUS[0]}
  wineserver -w
  [ $rc -eq 0 ] || { echo "FAILED ($rc): $exe" >&2; status=1; }
}

echo "== help file"
"$ROOT/tools/check-help.sh" "$FLAVOUR_DIR/Rolva.chm" || status=1

cd "$FLAVOUR_DIR"
run core_tests_win
run win_tests --fixtures="$(winepath -w "$ROOT/tests/fixtures" 2>/dev/null)"
run e2e_driver --exe="$(winepath -w "$FLAVOUR_DIR/Rolva.exe")"

# One closing count over the three Windows test programs.
passed=$(grep -ho '^\[  PASSED  \] [0-9]*' "$log" | awk '{s += $4} END {print s + 0}')
failed=$(grep -ho '^\[  FAILED  \] [0-9]* test' "$log" | awk '{s += $4} END {print s + 0}')
[ "$status" -ne 0 ] && [ "$failed" -eq 0 ] && failed=1  # a program that died before its count
echo "wine ($ROLVA_ARCH build): $passed passed, $failed failed"
exit $status
