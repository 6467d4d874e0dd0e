#!/bin/bash
# Builds the benchmarks and runs them under the project's Wine session; prints their tables.
# They are not tests: each figure is a ratio of two costs measured in the same run.
set -u
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
