#!/usr/bin/env bash
# Damaged copies of an MS Access file, described as byte patches so that no damaged file is
# kept in the repository (the original is not ours to copy either).
#
#   damaged_mdb.sh make ORIGINAL.mdb LIST OUT_DIR   writes OUT_DIR/NAME.mdb for each line of LIST
#   damaged_mdb.sh patch ORIGINAL.mdb DAMAGED.mdb   prints the patch that makes DAMAGED from
#                                                   ORIGINAL (a fuzzer finding) for LIST
#
# A LIST line is a name and its patches: "OFFSET:HEX" sets the bytes HEX (two digits a byte)
# at the byte offset OFFSET (from 0), "size:N" cuts the file to N bytes. "#" starts a comment.
set -euo pipefail

make() {
  local original=$1 list=$2 out=$3
  mkdir -p "$out"
  local name patches patch offset hex
  while read -r name patches; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    cp "$original" "$out/$name.mdb"
    chmod u+w "$out/$name.mdb"
    for patch in $patches; do
      offset=${patch%%:*}
      hex=${patch#*:}
      if [[ "$offset" == size ]]; then
        truncate -s "$hex" "$out/$name.mdb"
      else
        printf "$(sed 's/../\\x&/g' <<<"$hex")" |
          dd of="$out/$name.mdb" bs=1 seek="$offset" conv=notrunc status=none
      fi
    done
  done <"$list"
}

patch() {
  local original=$1 damaged=$2 line="" size
  size=$(stat -c %s "$damaged")
  [[ "$size" != "$(stat -c %s "$original")" ]] && line="size:$size"
  # cmp -l: 1-based offset, old and new byte in octal.
  while read -r offset _ new; do
    line+=" $((offset - 1)):$(printf '%02x' "$((8#$new))")"
  done < <(cmp -l "$original" "$damaged" 2>/dev/null || true)
  echo "${line# }"
}

case "${1:-}" in
  make) make "$2" "$3" "$4" ;;
  patch) patch "$2" "$3" ;;
  *) sed -n '2,11p' "$0" >&2; exit 2 ;;
esac
