# Sourced by the run and test scripts: a Wine prefix inside the build tree with the Japanese
# locale and the program's font faces, and an X server (the user's, or a private Xvfb).
# The scripts then call ChooseFlavour (flavour.sh) before the first wine command.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
source "$ROOT/tools/flavour.sh"
export WINEPREFIX="${ROLVA_WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

XVFB_PID=""

# Starts a private Xvfb unless a display is usable (or ROLVA_XVFB=1 forces one).
StartDisplay()
{
  if [ -n "${DISPLAY:-}" ] && [ "${ROLVA_XVFB:-0}" != 1 ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""
  done
  echo "could not start Xvfb" >&2
  return 1
}

StopDisplay()
{
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  XVFB_PID=""
}

# Creates the prefix once; a stamp file marks a finished one and holds the checksum of the
# font faces it took, so a prefix made before the faces changed takes the new ones.
EnsurePrefix()
{
  local stamp="$WINEPREFIX/.rolva-ready"
  local faces
  faces=$(cksum < "$ROOT/tools/fonts.reg")
  if [ ! -f "$stamp" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "wine: creating the prefix in $WINEPREFIX (once)"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  elif [ "$(cat "$stamp")" = "$faces" ]; then
    return 0
  fi
  wine regedit "$ROOT/tools/fonts.reg" >/dev/null 2>&1
  wineserver -w
  echo "$faces" > "$stamp"
}
