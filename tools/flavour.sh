# Sourced by the scripts that build and run the Windows programs: chooses the flavour this
# machine can run. The product is 32-bit (i686). Some kernels cannot execute 32-bit programs at
# all, and Debian's `wine` still picks its 32-bit loader there; on such a machine the same sources
# are built for x86_64 and run by the 64-bit loader. ROLVA_ARCH=i686 or x86_64 forces a flavour.

WINE32_LOADER=${ROLVA_WINE32_LOADER:-/usr/lib/wine/wine}
WINE64_LOADER=${ROLVA_WINE64_LOADER:-/usr/lib/wine/wine64}

# Tries the 32-bit loader itself: where the kernel cannot execute it, this fails with
# "Exec format error" whatever `uname -m` says.
CanRun32()
{
  [ -x "$WINE32_LOADER" ] && "$WINE32_LOADER" --version >/dev/null 2>&1
}

CanRun64()
{
  [ -x "$WINE64_LOADER" ] && "$WINE64_LOADER" --version >/dev/null 2>&1
}

# Sets ROLVA_ARCH, FLAVOUR_PRESET and FLAVOUR_DIR once per script and routes wine, winepath and
# wineboot to the loader of that flavour. $1 says what the caller does, for the line it prints.
ChooseFlavour()
{
  local doing=${1:-running}
  if [ -z "${ROLVA_ARCH:-}" ]; then
    if CanRun32; then
      ROLVA_ARCH=i686
    elif CanRun64; then
      ROLVA_ARCH=x86_64
      echo "this machine cannot run 32-bit programs: $doing the 64-bit build of the same sources"
    else
      echo "Wine cannot run here: neither $WINE32_LOADER nor $WINE64_LOADER starts." >&2
      echo "Install Wine with 'make deps' (packages wine, wine64 and, for 32-bit, wine32:i386)." >&2
      return 1
    fi
  fi
  case "$ROLVA_ARCH" in
    i686)
      FLAVOUR_PRESET=win
      CanRun32 || { echo "ROLVA_ARCH=i686, but this machine cannot run $WINE32_LOADER" >&2; return 1; }
      ;;
    x86_64)
      FLAVOUR_PRESET=win64
      CanRun64 || { echo "ROLVA_ARCH=x86_64, but this machine cannot run $WINE64_LOADER" >&2; return 1; }
      export WINELOADER=$WINE64_LOADER
      wine() { "$WINE64_LOADER" "$@"; }
      winepath() { "$WINE64_LOADER" winepath.exe "$@"; }
      wineboot() { "$WINE64_LOADER" wineboot.exe "$@"; }
      ;;
    *)
      echo "ROLVA_ARCH must be i686 or x86_64, not '$ROLVA_ARCH'" >&2
      return 1
      ;;
  esac
  export ROLVA_ARCH
  FLAVOUR_DIR="$ROOT/build/$FLAVOUR_PRESET"
}

# Configures a preset's build tree once and builds the targets named.
BuildPreset()
{
  local preset=$1
  shift
  [ -f "$ROOT/build/$preset/CMakeCache.txt" ] || (cd "$ROOT" && cmake --preset "$preset" >/dev/null) || return 1
  cmake --build "$ROOT/build/$preset" -j"${JOBS:-$(nproc)}" --target "$@"
}
