#!/usr/bin/env bash
# Whole-process cost of `tablora --export` on the generated scripts of 1,000 and 5,000 tables
# of 20 columns (no stored positions): each format runs RUNS times (default 3); prints the
# median wall time and the largest peak resident memory (/usr/bin/time -v) with the picture's
# size. Needs a display: run under xvfb-run, or it starts one itself.
# Usage: bench/export_picture.sh [BUILD_DIR] [TABLES...]   FORMATS="png pdf svg" to choose.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a "$0" "$@"; fi
build_dir=$(cd "${1:-build}" && pwd)
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 5000)
runs=${RUNS:-3}
formats=(${FORMATS:-png pdf svg})
program="$build_dir/tablora"
floor="$build_dir/bench/floor_reader"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
median() { sort -n | sed -n "$(( (runs + 1) / 2 ))p"; }

echo "load: $(uptime | sed 's/.*load average: //')"
for n in "${sizes[@]}"; do
  script="$work/script_$n.sql"
  # Without its layout block: the tables are placed as a new window places them.
  "$floor" --write-script "$n" "$work/stored_$n.sql"
  sed '1,/\*\//d' "$work/stored_$n.sql" > "$script"
  for format in "${formats[@]}"; do
    out="$work/picture_$n.$format"
    walls=""
    peak=0
    failed=""
    for _ in $(seq 1 "$runs"); do
      rm -f "$out"
      if ! /usr/bin/time -v -o "$work/time" "$program" --export "$out" "$script" 2> "$work/err"; then
        failed=$(grep -v '^Command exited' "$work/err" | head -1)
        break
      fi
      wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; ++i) s = s * 60 + $i; print s }')
      kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
      walls+="$wall "
      [ "$peak" -ge "$kb" ] || peak=$kb
    done
    if [ -n "$failed" ]; then
      printf '%5d tables  %-3s  failed: %s\n' "$n" "$format" "$failed"
      continue
    fi
    size=""
    case $format in
      png) size=$(file "$out" | sed -n 's/.*PNG image data, \([0-9]* x [0-9]*\).*/\1 px/p') ;;
      pdf) size=$(pdfinfo "$out" 2>/dev/null | sed -n 's/^Page size: *//p') ;;
      svg) size=$(head -c 400 "$out" | grep -o 'width="[^"]*" height="[^"]*"' | head -1) ;;
    esac
    printf '%5d tables  %-3s  wall %7.2f s   peak %7.1f MB   %8.1f MB file   %s\n' "$n" "$format" \
      "$(printf '%s\n' $walls | median)" "$(echo "$peak / 1024" | bc -l)" \
      "$(echo "$(stat -c %s "$out") / 1048576" | bc -l)" "$size"
  done
done
echo "load: $(uptime | sed 's/.*load average: //')"
