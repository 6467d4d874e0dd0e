#!/bin/sh
# Reads the files the icon tests write with tools that share no code with ours: icoutils for
# the icons inside rewritten executables and for saved icon files, ImageMagick for the saved
# pictures, each as the format its name says. Runs those tests first (under Wine), so the files
# are this build's.
# Usage: icons_check.sh path/to/win_tests.exe path/to/e2e_tests.exe path/to/wine-run.sh
set -u
tests=$1
e2e_tests=$2
wine_run=$3
out=$(dirname "$tests")/icon-out
e2e_out=$(dirname "$e2e_tests")/icon-out-e2e
seeds=$(dirname "$tests")/test-icons
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$out" "$e2e_out"
"$wine_run" "$tests" --gtest_filter='*IconFiles.*:*IconPanelFiles.*:PictureFiles.*' >/dev/null 2>&1 || fail "the tests that write the files failed"
"$wine_run" "$e2e_tests" --gtest_filter='IconsE2E.*' >/dev/null 2>&1 || fail "the end-to-end icon tests failed"

# Icon 1 of a rewritten program, extracted by icoutils, against the first image of the seed.
same_as_seed_first() {
  wrestool -x --type=14 --name=1 -o "$out/check-group.ico" "$1" || { fail "wrestool cannot extract the group of $1"; return; }
  icotool -l "$out/check-group.ico" | head -1 | grep -q -- '--width=16 --height=16' || fail "icon 1 of $1 is not 16x16"
  icotool -x -i 1 -o "$out/check-first.png" "$out/check-group.ico" || { fail "icotool cannot extract icon 1 of $1"; return; }
  [ "$(convert "$out/seed-first.png" rgba:- | md5sum)" = "$(convert "$out/check-first.png" rgba:- | md5sum)" ] ||
    fail "icon 1 of $1 differs from the seed's first image"
}

# The first image of the three-image icon (16 x 16) is icon 1, and the group's entry for it
# matches the seed's first directory entry (size, depth, palette).
listing=$(wrestool -l "$out/replaced.exe") || fail "wrestool cannot read the rewritten program"
echo "$listing"
echo "$listing" | grep -q -- '--type=3 --name=1 ' || fail "no icon 1"
icotool -x -i 1 -o "$out/seed-first.png" "$seeds/icotool-16-32-48.ico" || fail "icotool cannot extract the seed"
same_as_seed_first "$out/replaced.exe"
first=$(icotool -l "$seeds/icotool-16-32-48.ico" | head -1)
written=$(icotool -l "$out/check-group.ico" | head -1)
[ "$first" = "$written" ] || fail "the group's entry for icon 1 differs from the seed's first image: $first / $written"
same_as_seed_first "$e2e_out/e2e-target.exe"

# A program without icons got group 1, under the language of its version information, naming
# icon 1 (the neutral language: it had none).
bare=$(wrestool -l "$out/bare-replaced.exe") || fail "wrestool cannot read the program that had no icons"
echo "$bare" | grep -q -- '--type=14 --name=1 --language=1033' || fail "no group 1 under US English: $bare"
echo "$bare" | grep -q -- '--type=3 --name=1 --language=0' || fail "no neutral icon 1: $bare"
same_as_seed_first "$out/bare-replaced.exe"

# A PNG first image: the group names a 256 x 256 icon 1.
wrestool -x --type=14 --name=1 -o "$out/png-group.ico" "$out/png-replaced.exe" || fail "no group in png-replaced.exe"
icotool -l "$out/png-group.ico" | grep -q -- '--width=256 --height=256' || fail "the PNG icon is not in the group"

# "Save To File" wrote an icon file under a bitmap's name.
saved=$(icotool -l "$out/old-icon.bmp") || fail "icotool cannot read the saved old icon"
echo "$saved" | grep -q -- '--width=32 --height=32' || fail "the saved old icon is not 32x32: $saved"

# A program whose resources are stored under US English: icon 1 is replaced in that language,
# no second icon 1 appears under another, and its group names the new image.
us=$(wrestool -l "$out/us-replaced.exe") || fail "wrestool cannot read the US English program"
echo "$us"
[ "$(echo "$us" | grep -c -- '--type=3 --name=1 ')" -eq 1 ] || fail "not exactly one icon 1 in the US English program"
echo "$us" | grep -q -- '--type=3 --name=1 --language=1033' || fail "icon 1 is not under US English"
same_as_seed_first "$out/us-replaced.exe"

# Saved pictures: each in the format its name says, of the size asked, with the right colours.
size() { identify -format '%m %w %h' "$1" 2>/dev/null; }
rgb() { convert "$1" -alpha off -format "%[fx:round(255*p{$2}.r)] %[fx:round(255*p{$2}.g)] %[fx:round(255*p{$2}.b)]" info: 2>/dev/null; }
# near FILE X,Y "R G B" TOLERANCE: every channel within the tolerance (JPEG is lossy, GIF has a
# palette chosen from the picture).
near() {
  got=$(rgb "$1" "$2")
  echo "$got $3" | awk -v t="$4" '{ for (i = 1; i <= 3; i++) { d = $i - $(i + 3); if (d < 0) d = -d; if (d > t) exit 1 } }' ||
    fail "$1 at $2 is ($got), not ($3)"
}

# The picture of known colours in every format: red left half, blue right, green top-left corner.
for kind in PNG:png:0 JPEG:jpg:24 GIF:gif:8 ICO:ico:0 BMP3:bmp:0; do
  format=${kind%%:*}; rest=${kind#*:}; ext=${rest%%:*}; tolerance=${rest#*:}
  [ "$(size "$out/known.$ext")" = "$format 40 30" ] || fail "known.$ext: $(size "$out/known.$ext")"
  near "$out/known.$ext" 1,1 "0 255 0" "$tolerance"
  near "$out/known.$ext" 10,20 "255 0 0" "$tolerance"
  near "$out/known.$ext" 30,20 "0 0 255" "$tolerance"
done
file "$out/known.emf" | grep -q 'Windows Enhanced Metafile' || fail "known.emf is not an enhanced metafile"
file "$out/known.wmf" | grep -q 'Windows metafile' || fail "known.wmf is not a metafile"

# The window icon as bitmap (white where the icon is transparent), PNG and icon file (which keep
# its transparency: the alpha of a masked icon's pixels, and of an alpha icon's, as they were).
alpha() { convert "$1" -format "%[fx:round(255*p{$2}.a)]" info: 2>/dev/null; }
transparency() { [ "$(alpha "$1" "$2")" = "$3" ] || fail "$1 at $2 has alpha $(alpha "$1" "$2"), not $3"; }
[ "$(size "$out/window-icon-large.bmp")" = "BMP3 32 32" ] || fail "large icon: $(size "$out/window-icon-large.bmp")"
[ "$(size "$out/window-icon-large.png")" = "PNG 32 32" ] || fail "large icon as PNG: $(size "$out/window-icon-large.png")"
[ "$(size "$out/window-icon-large.ico")" = "ICO 32 32" ] || fail "large icon as ICO: $(size "$out/window-icon-large.ico")"
for ext in png ico; do
  transparency "$out/window-icon-large.$ext" 4,4 0
  transparency "$out/window-icon-large.$ext" 28,28 255
  near "$out/window-icon-large.$ext" 28,28 "0 0 255" 0
done
[ "$(size "$out/window-icon-small.bmp")" = "BMP3 16 16" ] || fail "small icon: $(size "$out/window-icon-small.bmp")"
transparency "$out/window-icon-small.png" 0,0 0
transparency "$out/window-icon-small.png" 1,7 127
transparency "$out/window-icon-small.png" 7,1 255
# The screenshots (their sizes are checked where they are taken).
[ "$(identify -format '%m' "$out/window-shot.png" 2>/dev/null)" = "PNG" ] || fail "the window screenshot is not a PNG file"
[ "$(identify -format '%m' "$out/full-screen.gif[0]" 2>/dev/null)" = "GIF" ] || fail "the full-screen shot is not a GIF file"

# Saved through vantora.exe's own save dialog.
screen=$(identify -format '%m %w %h' "$e2e_out/e2e-full-screen.jpg" 2>/dev/null)
case "$screen" in "JPEG "*) ;; *) fail "the program's full-screen shot is not a JPEG file: $screen" ;; esac
[ "$(size "$e2e_out/e2e-window-icon.png")" = "PNG 32 32" ] || fail "the program's icon save: $(size "$e2e_out/e2e-window-icon.png")"

[ "$failures" -eq 0 ] && echo "all icon files read back" || exit 1
