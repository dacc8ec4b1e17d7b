#!/usr/bin/env bash
# Usage: run.sh BUILD_DIR
# Runs every codec fuzz target for a bounded time (FUZZ_SECONDS each, 25 by default) on a corpus kept in
# the build folder, and fails when any of them finds a crash, a sanitizer report or a failed check.
set -uo pipefail
build=$(realpath "$1")
seconds=${FUZZ_SECONDS:-25}
status=0
for target in FuzzUnescapeBytes FuzzPercentDecode FuzzPercentDecodeBytes FuzzBase64Decode FuzzHexToBytes; do
  work=$build/fuzz-runs/$target
  mkdir -p "$work/corpus"
  if [ ! -x "$build/fuzz/$target" ]; then
    echo "$target: not built in $build"
    status=1
    continue
  fi
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1; then
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$work/log")
    echo "$target: $runs runs in ${seconds} s, no finding"
  else
    echo "$target: FINDING (log in $work/log)"
    grep -m1 -A30 -E 'ERROR|check failed|runtime error' "$work/log"
    status=1
  fi
done
exit $status
