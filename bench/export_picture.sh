#!/usr/bin/env bash
# Whole-process cost of `tablora --export` on the generated scripts of 1,000 and 5,000 tables
# of 20 columns, once with the script's stored positions (a grid 20 tables wide) and once
# without them (placed as a new window places them): each format runs RUNS times (default 3);
# prints the median wall time, the median CPU time (user + system; steadier on a busy
# machine), the largest peak resident memory (/usr/bin/time -v) and the picture's size.
# Needs a display: run under xvfb-run, or it starts one itself.
# Usage: bench/export_picture.sh [BUILD_DIR] [TABLES...]
#   FORMATS="png pdf svg" and LAYOUTS="stored unplaced" choose what runs.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"; fi
build_dir=$(cd "${1:-build}" && pwd)
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 5000)
runs=${RUNS:-3}
formats=(${FORMATS:-png pdf svg})
layouts=(${LAYOUTS:-stored unplaced})
program="$build_dir/tablora"
floor="$build_dir/bench/floor_reader"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
median() { sort -n | sed -n "$(( (runs + 1) / 2 ))p"; }
field() { sed -n "s/.*$1: //p" "$work/time"; }

echo "load: $(uptime | sed 's/.*load average: //')"
for n in "${sizes[@]}"; do
  "$floor" --write-script "$n" "$work/stored_$n.sql"
  # Without its layout block: the tables are placed as a new window places them.
  sed '1,/\*\//d' "$work/stored_$n.sql" > "$work/unplaced_$n.sql"
  for layout in "${layouts[@]}"; do
    script="$work/${layout}_$n.sql"
    for format in "${formats[@]}"; do
      out="$work/picture_$n.$format"
      walls=""
      cpus=""
      peak=0
      failed=""
      for _ in $(seq 1 "$runs"); do
        rm -f "$out"
        if ! /usr/bin/time -v -o "$work/time" "$program" --export "$out" "$script" 2> "$work/err"; then
          failed=$(grep -v '^Command exited' "$work/err" | head -1)
          break
        fi
        walls+="$(field 'Elapsed (wall clock) time (h:mm:ss or m:ss)' |
          awk -F: '{ s = 0; for (i = 1; i <= NF; ++i) s = s * 60 + $i; print s }') "
        cpus+="$(echo "$(field 'User time (seconds)') + $(field 'System time (seconds)')" | bc) "
        kb=$(field 'Maximum resident set size (kbytes)')
        [ "$peak" -ge "$kb" ] || peak=$kb
      done
      if [ -n "$failed" ]; then
        printf '%5d tables %-8s %-3s  failed: %s\n' "$n" "$layout" "$format" "$failed"
        continue
      fi
      size=""
      case $format in
        png) size=$(file "$out" | sed -n 's/.*PNG image data, \([0-9]* x [0-9]*\).*/\1 px/p') ;;
        pdf) size=$(pdfinfo "$out" 2>/dev/null | sed -n 's/^Page size: *//p') ;;
        svg) size=$(head -c 400 "$out" | grep -o 'width="[^"]*" height="[^"]*"' | head -1) ;;
      esac
      printf '%5d tables %-8s %-3s  wall %7.2f s  cpu %7.2f s  peak %7.1f MB  file %7.1f MB  %s\n' \
        "$n" "$layout" "$format" "$(printf '%s\n' $walls | median)" \
        "$(printf '%s\n' $cpus | median)" "$(echo "$peak / 1024" | bc -l)" \
        "$(echo "$(stat -c %s "$out") / 1048576" | bc -l)" "$size"
    done
  done
done
echo "load: $(uptime | sed 's/.*load average: //')"
