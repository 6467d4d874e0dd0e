#!/bin/sh
# Runs the full-disk tests of win_tests.exe (FullDisk.*) against a small tmpfs mounted for them
# and mapped to a free Wine drive letter; VANTORA_FULL_DISK tells the tests its root. Mounting
# needs root: without it the tests run all the same and say why they skip. The mount and the
# drive link go whatever happens.
# Usage: full_disk_check.sh path/to/win_tests.exe path/to/wine-run.sh
set -u
tests=$1
wine_run=$2
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
dir=$(mktemp -d "${TMPDIR:-/tmp}/vantora-full-disk.XXXXXX") || exit 1
link=""
cleanup() {
  [ -n "$link" ] && rm -f "$link"
  umount -l "$dir" 2>/dev/null
  rmdir "$dir" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM

if mount -t tmpfs -o size=256k tmpfs "$dir" 2>/dev/null; then
  for letter in t u v w x y; do
    candidate="$WINEPREFIX/dosdevices/$letter:"
    if [ ! -e "$candidate" ] && [ ! -L "$candidate" ] && ln -s "$dir" "$candidate"; then
      link=$candidate
      VANTORA_FULL_DISK="$(echo "$letter" | tr a-z A-Z):\\"
      export VANTORA_FULL_DISK
      echo "a 256 KiB tmpfs at $dir is drive $VANTORA_FULL_DISK"
      break
    fi
  done
  [ -n "$link" ] || echo "no free drive letter for the full disk: the tests skip"
else
  echo "cannot mount a tmpfs here (it needs root): the full-disk tests skip"
fi
"$wine_run" "$tests" --gtest_filter='FullDisk.*'
rc=$?
cleanup
trap - EXIT
exit $rc
