#!/bin/sh
# "Change" through a symbolic link. Wine makes none itself (its CreateSymbolicLinkW does
# nothing), so a link is what a Unix link is to a program under Wine: this links to a copy of a
# program in another folder, runs the SymbolicLink tests of win_tests.exe through the link, and
# checks from here that the link is still a link, that the program it names got icon 1 of the
# seed, and that no temporary file is left in either folder.
# Usage: symlink_check.sh path/to/win_tests.exe path/to/wine-run.sh
set -u
tests=$1
wine_run=$2
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
dir=$(dirname "$tests")/symlink-check
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$dir"
mkdir -p "$dir/programs" "$dir/links"
cp "$(dirname "$tests")/icon_target.exe" "$dir/programs/program.exe"
ln -s ../programs/program.exe "$dir/links/program.exe"
VANTORA_LINKED_PROGRAM=$(winepath -w "$dir/links/program.exe")
export VANTORA_LINKED_PROGRAM
"$wine_run" "$tests" --gtest_filter='SymbolicLink.*' || fail "the test through the link failed"

[ -L "$dir/links/program.exe" ] || fail "the link is no longer a link"
wrestool -x --type=14 --name=1 -o "$dir/group.ico" "$dir/programs/program.exe" || fail "no icon group in the program"
icotool -l "$dir/group.ico" | head -1 | grep -q -- '--width=16 --height=16' || fail "the linked program's icon 1 is not the new one"
leftovers=$(ls "$dir/programs" "$dir/links" | grep '~vn')
[ -z "$leftovers" ] || fail "temporary files were left: $leftovers"
[ "$failures" -eq 0 ] && echo "the link is still a link, and the program it names changed" || exit 1
