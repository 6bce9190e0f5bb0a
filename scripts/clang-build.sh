#!/usr/bin/env bash
# Configures the clang build with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's
# coverage in build-san/ (or $TABLORA_SAN_DIR), builds the targets named on the command line
# and prints the build folder. The fuzz targets and the sanitized core tests share it.
set -euo pipefail
cd "$(dirname "$0")/.."
san_dir=${TABLORA_SAN_DIR:-build-san}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
{
  CC=clang CXX=clang++ cmake -S . -B "$san_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTABLORA_BUILD_FUZZ=ON -DTABLORA_BUILD_GUI=OFF -DTABLORA_BUILD_TESTS=ON \
    -DTABLORA_BUILD_BENCH=OFF "${launcher[@]}"
  cmake --build "$san_dir" -j "$(nproc)" --target "$@"
} >&2
echo "$san_dir"
