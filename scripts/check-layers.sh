#!/bin/bash
# Checks that the program's folders depend only downwards: a folder includes and calls only its
# own code and that of the floors below it.
#   check-layers.sh SOURCE_DIR NM "floor" ... [-- ROOM=ARCHIVE ...]
# Each floor is a blank-separated list of folders, lowest first. With archives (the folders'
# static libraries) the symbols each one leaves undefined are checked as well; NM may be empty
# when no archives are given.
set -euo pipefail
src=$1 nm=$2
shift 2
declare -A level
n=0
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  for room in $1; do level[$room]=$n; done
  n=$((n + 1)); shift
done
[ $# -gt 0 ] && shift

fail=0
# Includes: "room/..." of a room on the same floor (other than itself) or above.
for room in "${!level[@]}"; do
  while IFS=: read -r file line text; do
    target=${text#*\"}; target=${target%%/*}
    [ -n "${level[$target]+set}" ] || continue
    if [ "$target" != "$room" ] && [ "${level[$target]}" -ge "${level[$room]}" ]; then
      echo "layers: ${file#"$src"/}:$line includes $target/, which is not below $room/: ${text}"
      fail=1
    fi
  done < <(grep -rn --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src/$room" || true)
done

# Symbols: what a room's library leaves undefined must not be defined only by a library that is
# not below it.
if [ $# -gt 0 ]; then
  tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
  filt=${nm%nm}c++filt; command -v "$filt" >/dev/null || filt=c++filt
  for pair in "$@"; do
    room=${pair%%=*} archive=${pair#*=}
    "$nm" -g -P "$archive" 2>/dev/null | awk '$2 != "U" && NF >= 2 && $1 !~ /:$/ {print $1}' | sort -u > "$tmp/$room.def"
    "$nm" -g -P -u "$archive" 2>/dev/null | awk 'NF >= 2 && $1 !~ /:$/ {print $1}' | sort -u > "$tmp/$room.undef"
  done
  for pair in "$@"; do
    room=${pair%%=*}
    allowed="$tmp/$room.def"
    for other in "${!level[@]}"; do
      [ "${level[$other]}" -lt "${level[$room]}" ] && [ -f "$tmp/$other.def" ] && allowed="$allowed $tmp/$other.def"
    done
    sort -u $allowed > "$tmp/allowed"
    comm -23 "$tmp/$room.undef" "$tmp/allowed" > "$tmp/missing"
    for other in "${!level[@]}"; do
      [ "$other" = "$room" ] || [ "${level[$other]}" -lt "${level[$room]}" ] || [ ! -f "$tmp/$other.def" ] && continue
      comm -12 "$tmp/missing" "$tmp/$other.def" | while read -r symbol; do
        echo "layers: the $room library uses $(echo "$symbol" | "$filt") of $other/, which is not below $room/"
      done | grep . && fail=1
    done
  done
fi

if [ $fail -ne 0 ]; then echo "layers: dependencies go up or sideways"; exit 1; fi
echo "layers: ${#level[@]} folders on $n floors depend only downwards"
