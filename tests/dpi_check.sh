#!/bin/bash
# Runs the layout tests of win_tests.exe at one DPI, in a Wine prefix of its own whose server is
# started with that DPI (the server reads LogPixels once, when it starts), on a private screen
# wide enough for the main window at 192 DPI.
# Usage: dpi_check.sh <dpi> <path/to/win_tests.exe> <gtest filter>
set -euo pipefail
dpi=$1 exe=$2 filter=$3
here=$(cd "$(dirname "$0")" && pwd)
export BUILD_DIR=$(cd "$(dirname "$exe")" && cd .. && pwd)
export WINEPREFIX=$BUILD_DIR/wineprefix-dpi
export XVFB_SCREEN=2560x1600x24
unset USE_DISPLAY
source "$here/../scripts/env.sh"
keep=$BUILD_DIR/win/wine_keepalive.exe

finish() {
  wine "$keep" --stop </dev/null >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
  stop_all
}
trap finish EXIT
start_display
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w || true
wineserver -p </dev/null >/dev/null 2>&1 || true
setsid wine "$keep" 600 </dev/null >/dev/null 2>&1 &
n=0; until wine "$keep" --status </dev/null >/dev/null 2>&1 || [ $n -ge 100 ]; do n=$((n+1)); sleep 0.1; done
wine "$exe" --gtest_filter="$filter" </dev/null
