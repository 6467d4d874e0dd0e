#!/bin/bash
# Runs the tests of win_tests.exe that need two monitors, on an Xorg of its own whose dummy video
# driver gives two RandR outputs (Xvfb has one, so Wine sees one monitor there), in a Wine prefix
# of its own: a Wine server keeps the display it started with. Wine takes its monitors from
# XRandR through 32-bit client libraries that a desktop Wine has; they are given to this tier
# alone through LD_LIBRARY_PATH (scripts/deps.sh unpacks them under build/). Everything started
# here is stopped again, also when a test fails.
# Usage: monitors_check.sh <left|above|right> <path/to/program.exe> [arguments...]
#   (the program's folder is a folder of the build tree, e.g. build/win/win_tests.exe)
#   left:  a 1024x768 monitor left of the 1280x1024 primary (negative x)
#   above: a 1024x768 monitor above it (negative y)
#   right: a 1600x900 monitor right of it
set -euo pipefail
side=$1 exe=$2
shift 2
primary=1280x1024
case $side in
  left | above) second=1024x768 ;;
  right) second=1600x900 ;;
  *) echo "the layout must be left, above or right" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$(dirname "$exe")" && cd .. && pwd)
libs=$build/i386-x11/usr/lib/i386-linux-gnu
[ -e "$libs/libXrandr.so.2" ] || { echo "missing $libs (scripts/deps.sh unpacks it)" >&2; exit 1; }
export WINEPREFIX=$build/wineprefix-monitors WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LD_LIBRARY_PATH=$libs${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
keep=$build/win/wine_keepalive.exe
state=$(mktemp -d "${TMPDIR:-/tmp}/vantora-monitors.XXXXXX")
xorg=""
server_started=""

finish() {
  if [ -n "$server_started" ]; then
    wine "$keep" --stop </dev/null >/dev/null 2>&1 || true
    wineserver -k 2>/dev/null || true
  fi
  if [ -n "$xorg" ]; then
    kill "$xorg" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$xorg" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$xorg" 2>/dev/null || true
  fi
  rm -rf "$state"
}
trap finish EXIT
trap 'exit 1' INT TERM

# Any timing does for the dummy driver, as long as it does not look like reduced blanking,
# which Xorg refuses for this monitor.
modeline() {
  awk -v n="$1" 'BEGIN { split(n, s, "x"); w = s[1]; h = s[2]; ht = int(w * 1.3 / 8) * 8; vt = h + int(h / 20) + 10;
    printf "    Modeline \"%s\" %.2f %d %d %d %d %d %d %d %d +hsync +vsync\n",
           n, ht * vt * 60 / 1e6, w, w + 24, w + 160, ht, h, h + 3, h + 9, vt }'
}
{
  cat <<EOF
Section "ServerFlags"
    Option "DontVTSwitch" "true"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "AutoAddGPU" "false"
    Option "AllowMouseOpenFail" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EOF
  modeline $primary
  modeline $second
  cat <<EOF
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "$primary" "$second"
        Virtual 2880 1792
    EndSubSection
EndSection
EOF
} >"$state/xorg.conf"

# Xorg as root would take a virtual terminal: it runs as nobody.
asuser=()
if [ "$(id -u)" = 0 ]; then
  chown -R 65534:65534 "$state"
  asuser=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
for n in $(seq 150 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  (cd "$state" && exec "${asuser[@]}" nice /usr/lib/xorg/Xorg ":$n" -config xorg.conf -logfile "$state/Xorg.log" \
    -noreset -nolisten tcp -novtswitch -sharevts >/dev/null 2>&1) &
  xorg=$!
  export DISPLAY=:$n
  for _ in $(seq 100); do xrandr --current >/dev/null 2>&1 && break; kill -0 "$xorg" 2>/dev/null || break; sleep 0.1; done
  xrandr --current >/dev/null 2>&1 && break
  kill "$xorg" 2>/dev/null || true
  xorg=""
done
[ -n "$xorg" ] || { echo "could not start Xorg with the dummy driver" >&2; exit 1; }

# The second output reports "disconnected" until it has a mode; the primary output's top-left
# becomes Wine's (0, 0).
xrandr --addmode DUMMY1 "$second"
case $side in left) where=--left-of ;; above) where=--above ;; right) where=--right-of ;; esac
xrandr --output DUMMY0 --mode $primary --primary --output DUMMY1 --mode "$second" $where DUMMY0
xrandr | grep -E ' connected' >&2

# Each monitor's work area leaves a 40-pixel band at its bottom, as a taskbar would; Wine reads
# them (root coordinates) when its server starts.
areas=$(xrandr --current | sed -nE 's/^DUMMY[0-9]+ connected (primary )?([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+).*/\4,\5,\2,\3/p' |
  awk -F, '{ printf "%s%d,%d,%d,%d", (NR > 1 ? "," : ""), $1, $2, $3, $4 - 40 }')
xprop -root -f _GTK_WORKAREAS_D0 32c -set _GTK_WORKAREAS_D0 "$areas"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
wineserver -k 2>/dev/null || true
wineserver -w || true
server_started=1
wineserver -p </dev/null >/dev/null 2>&1 || true
setsid wine "$keep" 600 </dev/null >/dev/null 2>&1 &
n=0; until wine "$keep" --status </dev/null >/dev/null 2>&1 || [ $n -ge 100 ]; do n=$((n+1)); sleep 0.1; done
# Bounded here, so that a program that hangs still leaves the clean-up above to run.
VANTORA_MONITORS=$side timeout -k 10 240 wine "$exe" "$@" </dev/null
