# Shared by ./run and ./test: build folders, the private Wine prefix and an Xvfb display of our own.
# Source it; it defines functions and exports the Wine environment.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD_DIR:-$ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

STARTED_XVFB=""
SESSION_STARTED=""

build_all() {
  cmake --preset mingw -S "$ROOT" -B "$BUILD/win" -DVANTORA_SCREENSHOT_DIR="$BUILD/screenshots" >/dev/null
  cmake --build "$BUILD/win"
}

build_host() {
  cmake --preset host -S "$ROOT" -B "$BUILD/host" >/dev/null
  cmake --build "$BUILD/host"
}

# Starts a private Xvfb unless the caller asked for an existing display with USE_DISPLAY=1.
# XVFB_SCREEN gives another screen size (a high DPI wants a wider screen).
start_display() {
  if [ -n "${USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
    STARTED_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.05; done
    kill "$STARTED_XVFB" 2>/dev/null; STARTED_XVFB=""
  done
  echo "could not start Xvfb" >&2; return 1
}

start_wine_session() {
  mkdir -p "$BUILD"
  "$ROOT/cmake/wine-session.sh" start "$BUILD/win/wine_keepalive.exe"
  SESSION_STARTED=1
}

stop_all() {
  if [ -n "$SESSION_STARTED" ]; then
    "$ROOT/cmake/wine-session.sh" stop "$BUILD/win/wine_keepalive.exe" || true
    SESSION_STARTED=""
  fi
  if [ -n "$STARTED_XVFB" ]; then kill "$STARTED_XVFB" 2>/dev/null || true; STARTED_XVFB=""; fi
}
