#!/bin/sh
# Reads the program's resources back with tools that share no code with ours:
# icoutils for the resources inside vantora.exe, ImageMagick and file(1) for the placeholder;
# and binutils' objdump for the program's header.
# Usage: res_check.sh path/to/vantora.exe path/to/res path/to/objdump
set -u
exe=$1
res=$2
objdump=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

listing=$(wrestool -l "$exe") || fail "wrestool cannot read $exe"
echo "$listing"
has() { echo "$listing" | grep -q -- "$1" || fail "no $2 in the resource list"; }
has '--type=14 --name=1 .*type=group_icon' "icon group 1"
# The placeholder, then each glyph at 32, 40, 48 and 64 pixels.
for id in 100 110 111 112 113 114 115 116 120 121 122 123 124 125 126 130 131 132 133 134 135 136 \
  140 141 142 143 144 145 146; do
  has "--type=2 --name=$id .*type=bitmap" "bitmap $id"
done
has '--type=16 --name=1 .*type=version' "version information"
has '--type=24 --name=1 ' "manifest"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wrestool -x -t 14 -o "$work/vantora.ico" "$exe" || fail "wrestool cannot extract the icon"
icons=$(icotool -l "$work/vantora.ico") || fail "icotool cannot read the extracted icon"
echo "$icons"
echo "$icons" | grep -q -- '--width=32 --height=32 --bit-depth=32' || fail "no 32x32 32-bit icon image"
for edge in 16 20 24 40 48 64; do
  echo "$icons" | grep -q -- "--width=$edge --height=$edge --bit-depth=32" || fail "no ${edge}x$edge 32-bit icon image"
done

# ImageMagick gives the size, the colour channels and the depth of each channel:
# three channels of 8 bits, true colour, is a 24-bit picture.
placeholder=$(/usr/bin/identify -format '%m %wx%h %[channels] %z %r' "$res/placeholder.bmp") ||
  fail "identify cannot read placeholder.bmp"
echo "$placeholder"
case "$placeholder" in
  "BMP3 16x24 srgb 8 DirectClass"*) ;;
  *) fail "placeholder.bmp is not a 16x24 24-bit bitmap" ;;
esac
file "$res/placeholder.bmp" | grep -q '16 x 24 x 24' || fail "file(1) disagrees: $(file "$res/placeholder.bmp")"

# Under WOW64 a large-address-aware 32-bit program has 4 GB rather than 2 (a screenshot of a large
# virtual screen takes over 100 MB a copy); a 64-bit one is so by default.
"$objdump" -p "$exe" | grep -q 'large address aware' || fail "the program is not large address aware"

[ "$failures" -eq 0 ] && echo "all resources read back" || exit 1
