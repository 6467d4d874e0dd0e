#!/bin/bash
# Builds the benchmarks and runs them under the project's Wine session; prints their tables.
# They are not tests: each figure is a ratio of two costs measured in the same run.
set -u
# Everything runs on one processor: the X server, wineserver and the programs measured. Nearly
# every window call of a Wine program is a round trip to wineserver; spread over processors each
# one waits for another processor to wake, which in a virtual machine cost from 0.1 to 1 ms per
# round trip and changed from one start to the next (the same program made its controls in 30 to
# 140 ms). On one processor a round trip is a switch of process, and the figures repeat.
if [ -z "${VANTORA_BENCH_PINNED:-}" ] && command -v taskset >/dev/null; then
  export VANTORA_BENCH_PINNED=1
  exec taskset -c 0 bash "$0" "$@"
fi
cd "$(dirname "$0")/.."
source scripts/env.sh
trap stop_all EXIT
build_all >/dev/null || { echo "build failed" >&2; exit 1; }
start_display && start_wine_session || exit 1
rc=0
for bench in bench_catalogue bench_startup bench_icons bench_skin bench_monitors; do
  echo "== $bench"
  wine "$BUILD/win/$bench.exe" </dev/null || rc=1
done
echo "== bench_monitors on two monitors"
bash tests/monitors_check.sh left "$BUILD/win/bench_monitors.exe" 2>/dev/null || rc=1
exit $rc
