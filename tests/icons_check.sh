#!/bin/sh
# Reads the files the icon tests write with tools that share no code with ours: icoutils for
# the icons inside rewritten executables and for saved icon files, ImageMagick for the saved
# bitmaps. Runs those tests first (under Wine), so the files are this build's.
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
"$wine_run" "$tests" --gtest_filter='*IconFiles.*:*IconPanelFiles.*' >/dev/null 2>&1 || fail "the tests that write the files failed"
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

# A PNG first image: the group names a 256 x 256 icon 1.
wrestool -x --type=14 --name=1 -o "$out/png-group.ico" "$out/png-replaced.exe" || fail "no group in png-replaced.exe"
icotool -l "$out/png-group.ico" | grep -q -- '--width=256 --height=256' || fail "the PNG icon is not in the group"

# "Save To File" wrote an icon file under a bitmap's name.
saved=$(icotool -l "$out/old-icon.bmp") || fail "icotool cannot read the saved old icon"
echo "$saved" | grep -q -- '--width=32 --height=32' || fail "the saved old icon is not 32x32: $saved"

# Saved window icons and screenshots: bitmaps whatever their names, of the sizes asked.
size() { identify -format '%m %w %h' "$1" 2>/dev/null; }
# ImageMagick calls a bitmap with a BITMAPINFOHEADER "BMP3".
[ "$(size "BMP:$out/window-icon-large.png")" = "BMP3 32 32" ] || fail "large icon: $(size "BMP:$out/window-icon-large.png")"
file "$out/window-icon-large.png" | grep -q 'PC bitmap' || fail "the large icon is not a bitmap file"
[ "$(size "$out/window-icon-small.bmp")" = "BMP3 16 16" ] || fail "small icon: $(size "$out/window-icon-small.bmp")"
white=$(convert "BMP:$out/window-icon-large.png" -alpha off -format '%[pixel:p{4,4}]' info:)
blue=$(convert "BMP:$out/window-icon-large.png" -alpha off -format '%[pixel:p{28,28}]' info:)
echo "transparent part: $white, opaque part: $blue"
case "$white" in srgb\(255,255,255\)|white) ;; *) fail "the transparent part is $white, not white" ;; esac
case "$blue" in srgb\(0,0,255\)|blue) ;; *) fail "the opaque part is $blue, not blue" ;; esac
file "$out/window-shot.jpg" | grep -q 'PC bitmap' || fail "the window screenshot is not a bitmap file"
file "$out/full-screen.gif" | grep -q 'PC bitmap' || fail "the full-screen shot is not a bitmap file"
identify "BMP:$out/full-screen.gif" || fail "ImageMagick cannot read the full-screen shot"

# Saved through vantora.exe's own save dialog.
file "$e2e_out/e2e-full-screen.jpg" | grep -q 'PC bitmap' || fail "the program's full-screen shot is not a bitmap file"
identify "BMP:$e2e_out/e2e-full-screen.jpg" || fail "ImageMagick cannot read the program's full-screen shot"
[ "$(size "BMP:$e2e_out/e2e-window-icon.png")" = "BMP3 32 32" ] || fail "the program's icon save: $(size "BMP:$e2e_out/e2e-window-icon.png")"

[ "$failures" -eq 0 ] && echo "all icon files read back" || exit 1
