#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (GUI tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${TABLORA_BUILD_DIR:-build}
cd "$build_dir"
ctest --output-on-failure -j "$(nproc)" --timeout 600
