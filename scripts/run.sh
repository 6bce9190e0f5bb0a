#!/usr/bin/env bash
# Installs what is missing, builds and starts Tablora from its build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${TABLORA_BUILD_DIR:-build}
cd "$build_dir"
if [ -x ./tablora ]; then
  exec ./tablora "$@"
fi
exec ./tablora-cli "$@"
