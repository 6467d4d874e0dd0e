#!/bin/bash
# The layer check fails on an include that goes up or sideways and passes one that goes down.
#   layers_selftest.sh CHECK_SCRIPT
set -euo pipefail
check=$1
tree=$(mktemp -d); trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{low,left,right,top}
echo '#include "low/a.h"' > "$tree/left/b.h"
echo '#include "left/b.h"' > "$tree/top/c.cpp"
floors=(low "left right" top)
bash "$check" "$tree" "" "${floors[@]}" >/dev/null || { echo "a tree that only includes downwards was refused"; exit 1; }

echo '  #  include "right/d.h"' >> "$tree/left/b.h"   # sideways
echo '#include "top/c.h"' > "$tree/low/a.h"            # upwards
if out=$(bash "$check" "$tree" "" "${floors[@]}"); then echo "upward and sideways includes were let through"; exit 1; fi
grep -q 'left/b.h:2 includes right/' <<<"$out" || { echo "the sideways include is not named: $out"; exit 1; }
grep -q 'low/a.h:1 includes top/' <<<"$out" || { echo "the upward include is not named: $out"; exit 1; }
echo "layer check: refuses upward and sideways includes, names each"
