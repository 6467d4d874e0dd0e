#!/bin/bash
# The sleep check fails on a Sleep planted in the program and names it; it lets through one the
# allow-list gives a reason for, and a call a comment only mentions.
#   sleeps_selftest.sh CHECK_SCRIPT
set -euo pipefail
check=$1
tree=$(mktemp -d); trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{low,top}
printf 'void Wait();\n// Sleep(100) would freeze the window here.\n' > "$tree/low/a.h"
printf 'void Worker() { std::this_thread::sleep_for(1s); }\n' > "$tree/top/worker.cpp"
echo 'top/worker.cpp: runs on a thread of its own' > "$tree/allowed"
bash "$check" "$tree" "$tree/allowed" low top >/dev/null || { echo "an allowed sleep or a comment was refused"; exit 1; }

printf 'void Settle() {\n  ::Sleep (400);\n}\n' > "$tree/top/b.cpp"
if out=$(bash "$check" "$tree" "$tree/allowed" low top); then echo "a planted Sleep was let through"; exit 1; fi
grep -q 'top/b.cpp:2 sleeps' <<<"$out" || { echo "the planted Sleep is not named: $out"; exit 1; }

rm "$tree/top/b.cpp"
echo 'top/worker.cpp:' > "$tree/allowed"
if out=$(bash "$check" "$tree" "$tree/allowed" low top); then echo "an allow-list entry without a reason was taken"; exit 1; fi
echo "sleep check: refuses a planted Sleep and names it, takes only allowances with a reason"
