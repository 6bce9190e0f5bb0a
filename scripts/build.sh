#!/usr/bin/env bash
# Configures and builds Tablora into build/ (or $TABLORA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TABLORA_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" -j "$(nproc)"
