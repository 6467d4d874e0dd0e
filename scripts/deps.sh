#!/bin/bash
# Installs the Debian packages Vantora's build and tests need; idempotent, quiet when all are present.
set -euo pipefail

PACKAGES=(cmake ninja-build g++ g++-mingw-w64-i686-posix googletest
          wine wine32:i386 fonts-wine xvfb xdotool x11-utils imagemagick bc
          icoutils clang libclang-rt-14-dev clang-tidy clang-format file procps nsis zip unzip)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
