#!/bin/sh
# Prepares and ends the Wine session the tests run in.
#   wine-session.sh start <wine_keepalive.exe>   prefix (once), persistent server, keep-alive window
#   wine-session.sh stop  <wine_keepalive.exe>
# Needs DISPLAY and WINEPREFIX in the environment; WINEARCH=win64 makes a 64-bit prefix.
set -eu
: "${WINEPREFIX:?set WINEPREFIX}" "${DISPLAY:?set DISPLAY}"
export WINEARCH=${WINEARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
KEEP=$2
case "$1" in
start)
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Only the 64-bit loader makes a 64-bit prefix; after that plain wine runs both kinds of
    # program in it, a 32-bit one under WOW64.
    if [ "$WINEARCH" = win64 ]; then
      /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    else
      wineboot -i >/dev/null 2>&1
    fi
    # Unmanaged X11 windows: without a window manager every managed window waits 2 s
    # when it is hidden or destroyed.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Wine does not find the TrueType fonts of fonts-wine by itself here (caption buttons show
    # as "0 1 r" and Tahoma falls back to bitmap fonts); installed in the prefix they work.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # wineboot already started explorer.exe with the old setting.
    wineserver -k || true
    wineserver -w || true
  fi
  # A persistent server and a long-lived GUI process keep wineserver and explorer.exe out of
  # the tests' output pipes; otherwise ctest waits seconds per test for the pipe to close.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  setsid wine "$KEEP" 3600 </dev/null >/dev/null 2>&1 &
  n=0; until wine "$KEEP" --status </dev/null >/dev/null 2>&1 || [ $n -ge 100 ]; do n=$((n+1)); sleep 0.1; done
  ;;
stop)
  wine "$KEEP" --stop </dev/null >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
  ;;
*) echo "usage: $0 start|stop <wine_keepalive.exe>" >&2; exit 2 ;;
esac
