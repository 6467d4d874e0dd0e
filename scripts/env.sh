# Shared by ./run and ./test: build folders, the private Wine prefixes and an Xvfb display of our own.
# Source it; it defines functions and exports the Wine environment (of the 32-bit prefix; the
# 64-bit one, a 64-bit Windows, is VANTORA_WINEPREFIX64, where the win64 tree's tests run).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD_DIR:-$ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
export VANTORA_WINEPREFIX64=${VANTORA_WINEPREFIX64:-$BUILD/wineprefix64}
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

STARTED_XVFB=""
SESSION_STARTED=""
SESSION64_STARTED=""

build_all() {
  cmake --preset mingw -S "$ROOT" -B "$BUILD/win" -DVANTORA_SCREENSHOT_DIR="$BUILD/screenshots" >/dev/null
  cmake --build "$BUILD/win"
}

# The same sources as a 64-bit program, tested in the 64-bit prefix.
build_win64() {
  cmake --preset mingw64 -S "$ROOT" -B "$BUILD/win64" -DVANTORA_SCREENSHOT_DIR="$BUILD/screenshots/win64" >/dev/null
  cmake --build "$BUILD/win64"
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

# The 64-bit prefix's session, beside the 32-bit one (each prefix has a server of its own).
start_wine64_session() {
  WINEPREFIX=$VANTORA_WINEPREFIX64 WINEARCH=win64 "$ROOT/cmake/wine-session.sh" start "$BUILD/win64/wine_keepalive.exe"
  SESSION64_STARTED=1
}

stop_all() {
  if [ -n "$SESSION_STARTED" ]; then
    "$ROOT/cmake/wine-session.sh" stop "$BUILD/win/wine_keepalive.exe" || true
    SESSION_STARTED=""
  fi
  if [ -n "$SESSION64_STARTED" ]; then
    WINEPREFIX=$VANTORA_WINEPREFIX64 WINEARCH=win64 "$ROOT/cmake/wine-session.sh" stop "$BUILD/win64/wine_keepalive.exe" || true
    SESSION64_STARTED=""
  fi
  if [ -n "$STARTED_XVFB" ]; then kill "$STARTED_XVFB" 2>/dev/null || true; STARTED_XVFB=""; fi
}
