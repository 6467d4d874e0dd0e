#!/bin/sh
# Saves on a full disk: mounts a 64 KB tmpfs beside the tests (which needs root, as ./test has),
# and runs the full-disk tests of win_tests under Wine with the folder's Windows path in
# VANTORA_FULL_DISK. The tests are disabled in the ordinary run, which has no such folder.
# Usage: full_disk_check.sh path/to/win_tests.exe path/to/wine-run.sh
set -u
tests=$1
wine_run=$2
dir=$(cd "$(dirname "$tests")" && pwd)/full-disk
mkdir -p "$dir"
if ! mountpoint -q "$dir"; then
  mount -t tmpfs -o size=64k tmpfs "$dir" 2>/dev/null || sudo -n mount -t tmpfs -o size=64k tmpfs "$dir" ||
    { echo "FAIL: cannot mount a small tmpfs at $dir (root is needed)"; exit 1; }
fi
# Wine's drive Z: is the root of the Unix file system.
VANTORA_FULL_DISK="Z:$(printf '%s' "$dir" | tr / '\\')"
export VANTORA_FULL_DISK
rc=0
"$wine_run" "$tests" --gtest_also_run_disabled_tests --gtest_filter='FullDisk.*' || rc=$?
# Lazily: the Wine server may still hold the folder a moment.
umount -l "$dir" 2>/dev/null || sudo -n umount -l "$dir" 2>/dev/null || true
exit $rc
