#!/usr/bin/env bash
# Builds the core tests (and the command-line tool they run) with AddressSanitizer and
# UndefinedBehaviorSanitizer in their own folder and runs them: a memory error, a leak or
# undefined behaviour fails the script. The GUI suites are not part of this build.
set -euo pipefail
cd "$(dirname "$0")/.."
asan_dir=${TABLORA_ASAN_DIR:-build-asan}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$asan_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABLORA_SANITIZE=ON \
  -DTABLORA_BUILD_GUI=OFF -DTABLORA_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build "$asan_dir" -j "$(nproc)" --target tablora_tests
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$(pwd)/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$asan_dir"
./tests/tablora_tests --gtest_brief=1
