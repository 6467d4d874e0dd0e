#!/bin/bash
# Installs the Debian packages Vantora's build and tests need; idempotent, quiet when all are present.
set -euo pipefail

PACKAGES=(cmake ninja-build g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
          wine wine32:i386 wine64 fonts-wine xvfb xdotool x11-utils imagemagick bc
          icoutils clang libclang-rt-14-dev clang-tidy clang-format file procps nsis zip unzip
          xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils)

# Wine's 32-bit XRandR, XRender and Xinerama client libraries, which a desktop Wine has and the
# two-monitor tests need (without them Wine reports one monitor). Installed system-wide they would
# change every Wine process on the machine (XRender draws text and alpha), so they are unpacked
# under build/ and only the two-monitor tests load them (tests/monitors_check.sh).
PRIVATE_LIBS=(libxrandr2:i386 libxrender1:i386 libxinerama1:i386)
PRIVATE_ROOT=$(cd "$(dirname "$0")/.." && pwd)/build/i386-x11

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ! -e "$PRIVATE_ROOT/usr/lib/i386-linux-gnu/libXinerama.so.1" ]; then
  echo "Unpacking under $PRIVATE_ROOT: ${PRIVATE_LIBS[*]}" >&2
  debs=$(mktemp -d)
  chmod 777 "$debs"  # apt-get download writes as its own user
  (cd "$debs" && apt-get download -qq "${PRIVATE_LIBS[@]}" 2>/dev/null ||
    { $SUDO apt-get update -qq && apt-get download -qq "${PRIVATE_LIBS[@]}"; })
  mkdir -p "$PRIVATE_ROOT"
  for deb in "$debs"/*.deb; do dpkg-deb -x "$deb" "$PRIVATE_ROOT"; done
  rm -rf "$debs"
fi
