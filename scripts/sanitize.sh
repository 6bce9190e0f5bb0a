#!/usr/bin/env bash
# Builds the core tests (and the command-line tool they run) with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them: a memory error, a leak or undefined behaviour fails
# the script. The build is the clang build the fuzz targets live in (scripts/clang-build.sh), so
# the core is compiled once for both. The GUI suites are not part of this build.
set -euo pipefail
cd "$(dirname "$0")/.."
san_dir=$(scripts/clang-build.sh tablora_tests)
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$(pwd)/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
root=$(pwd)
cd "$san_dir"
# One shard of the tests per core, side by side (the tests already run in parallel under
# ctest); each shard's report is printed, and any failure fails the script.
"$root/scripts/with-db-servers.sh" bash -c '
  shards=$(nproc)
  pids=()
  for ((i = 0; i < shards; i++)); do
    GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$i ./tests/tablora_tests --gtest_brief=1 \
      >"sanitize-shard$i.log" 2>&1 &
    pids+=($!)
  done
  status=0
  for ((i = 0; i < shards; i++)); do
    wait "${pids[$i]}" || status=1
    cat "sanitize-shard$i.log"
  done
  exit $status'

