#!/bin/bash
# The user-interface thread never sleeps: a wait lets the program paint and answer (it waits for
# what it needs, processing messages). Fails on a Sleep, SleepEx or std::this_thread sleep in the
# program's folders, naming file and line, unless the allow-list names the file with a reason.
#   check-sleeps.sh SOURCE_DIR ALLOW_LIST FOLDER...
# ALLOW_LIST: lines "folder/file.cpp: why this file may sleep" (a worker thread, say); blank lines
# and lines starting with # are ignored.
set -euo pipefail
src=$1 allow=$2
shift 2

declare -A allowed=()
fail=0
while IFS= read -r entry; do
  [[ -z "${entry//[[:space:]]/}" || $entry == \#* ]] && continue
  file=${entry%%:*} reason=${entry#*:}
  if [[ $entry != *:* || -z "${reason//[[:space:]]/}" ]]; then
    echo "sleeps: the allow-list entry \"$entry\" gives no reason"
    fail=1
    continue
  fi
  allowed[$file]=1
done < "$allow"

declare -A sleeping=()
for folder in "$@"; do
  while IFS=: read -r file line text; do
    code=${text%%//*}  # a comment may name the call
    grep -Eq '(^|[^[:alnum:]_])(Sleep|SleepEx|sleep_for|sleep_until)[[:space:]]*\(' <<<"$code" || continue
    rel=${file#"$src"/}
    sleeping[$rel]=1
    [ -n "${allowed[$rel]+set}" ] && continue
    echo "sleeps: $rel:$line sleeps: ${text#"${text%%[![:space:]]*}"}"
    fail=1
  done < <(grep -rnE --include='*.cpp' --include='*.h' '(Sleep|sleep_for|sleep_until)' "$src/$folder" || true)
done
for file in "${!allowed[@]}"; do
  if [ -z "${sleeping[$file]+set}" ]; then
    echo "sleeps: the allow-list names $file, which no longer sleeps"
    fail=1
  fi
done

if [ $fail -ne 0 ]; then echo "sleeps: the program sleeps where it should wait"; exit 1; fi
echo "sleeps: no sleep in $* but in the ${#allowed[@]} files allowed"
