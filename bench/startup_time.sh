#!/usr/bin/env bash
# Start-up time of the window program: launches `tablora --exit-when-shown` under one
# virtual display RUNS times (default 9) and reports the median wall time from launch to
# the process's end after its main window was shown (so exit is included). Fails when
# the median reaches LIMIT_MS (default 1000).
# Usage: bench/startup_time.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(cd "${1:-build}" && pwd)
runs=${RUNS:-9}
limit=${LIMIT_MS:-1000}

if [ -z "${TABLORA_BENCH_DISPLAY_READY:-}" ]; then
  export TABLORA_BENCH_DISPLAY_READY=1
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build_dir"
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$build_dir"
# One warm-up run fills the file-system cache, as a second start of the program would.
HOME="$home" ./tablora --exit-when-shown > /dev/null 2>&1
times=()
for i in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  shown=$(HOME="$home" ./tablora --exit-when-shown 2>/dev/null | sed -n 's/^shown after \([0-9]*\) ms$/\1/p')
  end=$(date +%s%N)
  total=$(( (end - start) / 1000000 ))
  [ -n "$shown" ] || { echo "run $i: the main window was never shown" >&2; exit 1; }
  echo "run $i: shown after ${shown} ms (in-process), process ran ${total} ms"
  times+=("$total")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "median start-up (launch to exit after the window was shown): ${median} ms over ${runs} runs"
if [ "$median" -ge "$limit" ]; then
  echo "slower than ${limit} ms" >&2
  exit 1
fi
