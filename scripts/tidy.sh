#!/bin/bash
# Runs clang-tidy (.clang-tidy at the root) over the program's own sources as the MinGW build
# compiles them.   tidy.sh SOURCE_DIR BUILD_DIR [CROSS_CXX]
# clang needs the cross compiler's own C++ include folders and target to read the system headers.
set -euo pipefail
src=$1 build=$2
cxx=${3:-i686-w64-mingw32-g++-posix}
args=(--extra-arg=--target=i686-w64-mingw32 --extra-arg=-nostdinc --extra-arg=-nostdinc++)
while read -r dir; do args+=(--extra-arg=-isystem --extra-arg="$dir"); done < <(
  echo | "$cxx" -std=c++20 -x c++ -E -v - 2>&1 | sed -n '/#include <...> search starts here:/,/End of search list./p' |
    grep '^ ' | sed 's/^ //')
mapfile -t files < <(cd "$src" && find platform ui app catalogue commands icons shell options skin -name '*.cpp' |
  sort | sed "s|^|$src/|")
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet "${args[@]}" 2>&1 |
  grep -v '^[0-9]* warnings\? generated\.$' | grep -v '^Suppressed [0-9]* warnings' |
  grep -v 'Use -header-filter=.* to display errors' | grep -v '^$' > "$build/tidy.log" || true
if grep -q 'error:\|warning:' "$build/tidy.log"; then
  cat "$build/tidy.log"
  echo "tidy: $(grep -c 'error:\|warning:' "$build/tidy.log") findings in the program's code"
  exit 1
fi
echo "tidy: ${#files[@]} files clean"
