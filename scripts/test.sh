#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: a bounded fuzz run of the script
# reader in its own clang build, then the whole ctest suite (GUI tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DTABLORA_WERROR=ON
build_dir=${TABLORA_BUILD_DIR:-build}

# A crash, a sanitizer report or a trap (exit code other than 0) fails the script.
fuzz_dir=${TABLORA_FUZZ_DIR:-build-fuzz}
fuzz_seconds=${TABLORA_FUZZ_SECONDS:-60}
CC=clang CXX=clang++ cmake -S . -B "$fuzz_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTABLORA_BUILD_FUZZ=ON -DTABLORA_BUILD_GUI=OFF -DTABLORA_BUILD_TESTS=OFF -DTABLORA_BUILD_BENCH=OFF
cmake --build "$fuzz_dir" --target script_reader_fuzz
corpus="$fuzz_dir/script_reader_corpus"
mkdir -p "$corpus"
"$fuzz_dir/script_reader_fuzz" -max_total_time="$fuzz_seconds" -timeout=20 -rss_limit_mb=2048 \
  -dict=tests/fuzz/script_reader.dict \
  -max_len=65536 -artifact_prefix="$fuzz_dir/" "$corpus" tests/data 2>&1 | tail -n 5
echo "fuzzing: ${fuzz_seconds} s without a finding"

cd "$build_dir"
ctest --output-on-failure -j "$(nproc)" --timeout 900
