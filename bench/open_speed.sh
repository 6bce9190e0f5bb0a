#!/usr/bin/env bash
# Whole-process speed of the open: the floor (one regex pass, bench/floor_reader) against
# `tablora-cli save`, `dump` and `gen java` on the generated scripts of 1,000 and 5,000
# tables of 20 columns. Each command runs RUNS times (default 5) back to back with the
# floor; prints the median wall time and the median CPU time (user + system), each with
# its ratio to the floor's, and the peak resident memory (largest of the runs,
# /usr/bin/time %M). On a busy machine the CPU times are the steadier measure.
# `gen java` runs into a new folder (gen_java: every file created), again into the folder
# the previous run filled with every file unchanged (gen_again: nothing written), and over
# it with every file different (gen_over, with --prefix: every file replaced through a
# temporary file; each replaced file frees an inode, so the next run waits SETTLE seconds,
# default 35, before it starts). Nothing else is deleted while they run: for some
# seconds after many files were deleted, ext4's inode allocator rescans the freed inodes
# on every file it creates, which would slow whatever runs next. GEN_RM=1 measures that
# case on its own: each run first deletes the folder the previous run filled (gen_rm).
# Every replaced or deleted file frees its old blocks; an ext4 without a journal mounted
# with `discard` (this machine's root file system) discards them at once, one request per
# file, which bounds gen_over and gen_rm by the file system, not the program. The files go
# under TMPDIR: TMPDIR=/some/other/fs measures on another file system.
# Usage: bench/open_speed.sh [BUILD_DIR] [TABLES...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(cd "${1:-build}" && pwd)
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 5000)
runs=${RUNS:-5}
cli=${TABLORA_CLI:-"$build_dir/tablora-cli"}
floor="$build_dir/bench/floor_reader"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run of a command: prints "wall_us cpu_us peak_kB".
run_once() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f "%M %U %S" -o "$work/mem" "$@" > /dev/null 2> "$work/err" ||
    { echo "failed: $*" >&2; cat "$work/err" >&2; exit 1; }
  end=$(date +%s%N)
  read -r kb user sys < <(tail -1 "$work/mem")
  echo "$(( (end - start) / 1000 )) $(echo "($user + $sys) * 1000000 / 1" | bc) $kb"
}
median() { sort -n | sed -n "$(( (runs + 1) / 2 ))p"; }

echo "load: $(uptime | sed 's/.*load average: //')"
for n in "${sizes[@]}"; do
  script="$work/script_$n.sql"
  "$floor" --write-script "$n" "$script"
  declare -A times=() cpus=() peaks=()
  names=(floor save dump gen_java gen_again gen_over)
  [ "${GEN_RM:-0}" = 1 ] && names=(floor save gen_rm)
  for i in $(seq 1 "$runs"); do
    for name in "${names[@]}"; do
      case $name in
        floor) cmd=("$floor" "$script") ;;
        save) cmd=("$cli" save "$script" "$work/saved_$n.sql") ;;
        dump) cmd=("$cli" dump "$script") ;;
        gen_java) mkdir -p "$work/java_${n}_$i"; cmd=("$cli" gen java "$script" "$work/java_${n}_$i" --skip-time) ;;
        gen_again) cmd=("$cli" gen java "$script" "$work/java_${n}_$i" --skip-time) ;;
        gen_over) cmd=("$cli" gen java "$script" "$work/java_${n}_$i" --skip-time --prefix) ;;
        gen_rm) rm -rf "$work/java_$n"; mkdir -p "$work/java_$n"; cmd=("$cli" gen java "$script" "$work/java_$n" --skip-time) ;;
      esac
      read -r us cpu kb < <(run_once "${cmd[@]}")
      times[$name]+="$us "
      cpus[$name]+="$cpu "
      [ "${peaks[$name]:-0}" -ge "$kb" ] || peaks[$name]=$kb
    done
    [[ " ${names[*]} " == *" gen_over "* && $i -lt $runs ]] && sleep "${SETTLE:-35}"
  done
  floor_us=$(printf '%s\n' ${times[floor]} | median)
  floor_cpu=$(printf '%s\n' ${cpus[floor]} | median)
  [ "$floor_cpu" -gt 0 ] || floor_cpu=1
  for name in "${names[@]}"; do
    us=$(printf '%s\n' ${times[$name]} | median)
    cpu=$(printf '%s\n' ${cpus[$name]} | median)
    printf '%5d tables  %-9s wall %8.3f s %6.2fx   cpu %7.2f s %6.2fx   peak %6.1f MB\n' \
      "$n" "$name" "$(echo "$us / 1000000" | bc -l)" "$(echo "$us / $floor_us" | bc -l)" \
      "$(echo "$cpu / 1000000" | bc -l)" "$(echo "$cpu / $floor_cpu" | bc -l)" \
      "$(echo "${peaks[$name]} / 1024" | bc -l)"
  done
  unset times cpus peaks
done
echo "load: $(uptime | sed 's/.*load average: //')"
