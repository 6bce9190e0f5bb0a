#!/usr/bin/env bash
# Regenerates the README's picture: the window program with the 20-table sample design and
# its relationship lines, shot under a virtual display.
# Usage: scripts/readme_screenshot.sh [BUILD_DIR]  (default: build; the program must be built)
# Writes resources/readme/shop20.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
build_dir=$(cd "${1:-build}" && pwd)
out="$source_dir/resources/readme/shop20.png"

if [ -z "${TABLORA_README_DISPLAY_READY:-}" ]; then
  export TABLORA_README_DISPLAY_READY=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build_dir"
fi

home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
cd "$build_dir"
HOME="$home" ./tablora "$source_dir/resources/samples/shop20.sql" &
pid=$!
# shellcheck source=scripts/lib/main_window.sh
source "$source_dir/scripts/lib/main_window.sh"
wait_for_main_window
# The whole screen, the pointer out of the way; then time to open, route and draw.
xdotool windowmove "$win" 0 0 windowsize "$win" 1280 800
xdotool mousemove 1279 799
sleep 3
mkdir -p "$(dirname "$out")"
import -window root -crop 1280x800+0+0 +repage "$out"
echo "$out"
