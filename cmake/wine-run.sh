#!/bin/sh
# Runs a cross-built .exe under Wine (used by CMake and CTest as the emulator).
#   wine-run.sh [--win64] program.exe [arguments]
# --win64: in the 64-bit prefix (VANTORA_WINEPREFIX64, else build/wineprefix64 of the sources),
# a 64-bit Windows where a 32-bit program runs under WOW64.
: "${WINEDEBUG:=-all}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=;winemenubuilder.exe=d}"
export WINEDEBUG WINEDLLOVERRIDES
if [ "${1:-}" = "--win64" ]; then
  shift
  WINEPREFIX=${VANTORA_WINEPREFIX64:-$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix64}
  WINEARCH=win64
  export WINEPREFIX WINEARCH
fi
exec wine "$@"
