#!/usr/bin/env bash
# Peak memory of `tablora-cli query` over a SQLite table of 1,000,000 rows x 5 columns: rows
# are streamed from the driver to standard output, so the peak stays flat in the number of
# rows. Runs each case RUNS times (default 5) and reports the median peak resident size and
# wall time; fails when the median peak of the whole table reaches LIMIT_MB (default 30).
# For comparison it also runs the table with the driver's buffering switched back on
# (StepAPI=0), which is what a SQLite string without the option got before.
# Usage: bench/query_memory.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(cd "${1:-build}" && pwd)
cli=$build_dir/tablora-cli
runs=${RUNS:-5}
limit_mb=${LIMIT_MB:-30}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db=$work/rows.db
: > "$db"  # an empty file is an empty SQLite database
connection="Driver=SQLite3;Database=$db"
"$cli" query "$connection" \
  "CREATE TABLE t (id INTEGER, name TEXT, city TEXT, amount REAL, ratio REAL)"
"$cli" query "$connection" \
  "INSERT INTO t WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)
   SELECT i, 'name ' || i, 'city ' || (i % 100), i * 0.25, 1.0 / i FROM n"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# measure LABEL CONNECTION SQL [OPTIONS...]: prints the medians; sets peak_kb.
measure() {
  local label=$1 conn=$2 sql=$3
  shift 3
  local kbs=() secs=()
  for _ in $(seq 1 "$runs"); do
    read -r kb sec < <( { /usr/bin/time -f "%M %e" "$cli" query "$conn" "$sql" "$@" \
                          > /dev/null; } 2>&1 | tail -n 1)
    kbs+=("$kb")
    secs+=("$sec")
  done
  peak_kb=$(printf '%s\n' "${kbs[@]}" | median)
  local sec
  sec=$(printf '%s\n' "${secs[@]}" | median)
  awk -v l="$label" -v kb="$peak_kb" -v s="$sec" \
    'BEGIN { printf "%-46s peak %6.1f MB  %5.2f s\n", l, kb / 1024, s }'
}

measure "1,000 rows" "$connection" "SELECT * FROM t WHERE id <= 1000"
measure "1,000,000 rows (--limit 10)" "$connection" "SELECT * FROM t" --limit 10
measure "1,000,000 rows" "$connection" "SELECT * FROM t"
all_kb=$peak_kb
measure "1,000,000 rows, driver buffering (StepAPI=0)" "$connection;StepAPI=0" "SELECT * FROM t"

if [ "$all_kb" -ge $((limit_mb * 1024)) ]; then
  echo "FAIL: the median peak of 1,000,000 rows reached ${limit_mb} MB" >&2
  exit 1
fi
