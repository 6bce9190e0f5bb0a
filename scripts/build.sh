#!/usr/bin/env bash
# Configures and builds Tablora into build/ (or $TABLORA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TABLORA_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build_dir" -j "$(nproc)"
