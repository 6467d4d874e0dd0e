#!/bin/bash
# Builds the fuzz targets and runs each for the given number of seconds (default 60) on a copy of
# its corpus, tests/fuzz/corpus/<name>/ for tests/fuzz/<name>_fuzz.cpp. Crashes are kept under
# build/fuzz/run/<name>/crashes/.
#   tests/fuzz/run.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
build=build/fuzz
cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
rc=0
for source in tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" .cpp)
  target=${name%_fuzz}
  echo "== $name ($seconds s)"
  sh tests/fuzz/run_target.sh "$build/$name" "tests/fuzz/corpus/$target" "$build/run/$target" \
     -max_total_time="$seconds" 2>&1 | grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)" || true
  if [ -n "$(ls -A "$build/run/$target/crashes" 2>/dev/null)" ]; then
    echo "   crash inputs in $build/run/$target/crashes"; rc=1
  fi
done
exit $rc
