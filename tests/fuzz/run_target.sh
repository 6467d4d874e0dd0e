#!/bin/sh
# Runs one fuzz target on a scratch copy of its corpus (libFuzzer adds the inputs it finds to the
# first corpus folder; the committed seeds stay as they are).
#   run_target.sh <target binary> <seed folder> <scratch folder> [libFuzzer options...]
set -eu
binary=$1 seeds=$2 scratch=$3
shift 3
rm -rf "$scratch"
mkdir -p "$scratch/corpus" "$scratch/crashes"
[ -d "$seeds" ] && cp -R "$seeds/." "$scratch/corpus/"
exec "$binary" "$scratch/corpus" -artifact_prefix="$scratch/crashes/" -print_final_stats=1 "$@"
