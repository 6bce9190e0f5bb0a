#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: a bounded fuzz run of the script
# reader and the MS Access reader in the clang sanitizer build, then the whole ctest suite (GUI
# tests under Xvfb, PostgreSQL and MariaDB servers on loopback).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DTABLORA_WERROR=ON
build_dir=${TABLORA_BUILD_DIR:-build}

# Two fuzz targets share the fuzzing time: the script reader, and the MS Access reader
# seeded with the shared Access file (and the damaged copies the tests know). A crash, a
# sanitizer report or a trap (exit code other than 0) fails the script.
fuzz_seconds=${TABLORA_FUZZ_SECONDS:-60}
fuzz_dir=$(scripts/clang-build.sh script_reader_fuzz access_reader_fuzz)
shared=${TABLORA_SHARED_FIXTURES:-}
for candidate in ../shared/fixtures ../../shared/fixtures; do
  if [ -z "$shared" ] && [ -f "$candidate/nwind.mdb" ]; then shared=$candidate; fi
done
script_seconds=$fuzz_seconds
if [ -n "$shared" ] && [ -f "$shared/nwind.mdb" ]; then
  script_seconds=$((fuzz_seconds / 2))
elif [ "${TABLORA_REQUIRE_FIXTURES:-}" = 1 ]; then
  echo "fuzzing: shared fixture nwind.mdb is missing (set TABLORA_SHARED_FIXTURES)" >&2
  exit 1
else
  echo "fuzzing: skipping the MS Access reader: shared fixture nwind.mdb is missing"
fi
corpus="$fuzz_dir/script_reader_corpus"
mkdir -p "$corpus"
"$fuzz_dir/script_reader_fuzz" -max_total_time="$script_seconds" -timeout=20 -rss_limit_mb=2048 \
  -dict=tests/fuzz/script_reader.dict \
  -max_len=65536 -artifact_prefix="$fuzz_dir/" "$corpus" tests/data 2>&1 | tail -n 5
echo "fuzzing the script reader: ${script_seconds} s without a finding"
if [ "$script_seconds" != "$fuzz_seconds" ]; then
  access_seconds=$((fuzz_seconds - script_seconds))
  corpus="$fuzz_dir/access_reader_corpus"
  seeds="$fuzz_dir/access_reader_seeds"
  mkdir -p "$corpus"
  rm -rf "$seeds"
  tests/fuzz/damaged_mdb.sh make "$shared/nwind.mdb" tests/data/damaged_mdb.txt "$seeds"
  cp "$shared/nwind.mdb" "$seeds/"
  "$fuzz_dir/access_reader_fuzz" -max_total_time="$access_seconds" -timeout=30 \
    -rss_limit_mb=2048 -max_len=4194304 -artifact_prefix="$fuzz_dir/" "$corpus" "$seeds" 2>&1 |
    tail -n 5
  echo "fuzzing the MS Access reader: ${access_seconds} s without a finding"
fi

# Tests that need PostgreSQL and MariaDB get servers of their own on loopback for the run.
root=$(pwd)
cd "$build_dir"
"$root/scripts/with-db-servers.sh" ctest --output-on-failure -j "$(nproc)" --timeout 900
