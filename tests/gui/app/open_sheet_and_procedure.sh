#!/usr/bin/env bash
# Starts the program on this display twice, as a user would: on TABLES, whose first table's
# editor sheet it opens from that table's window menu, then on PROCEDURES, whose first stored
# procedure it opens from the table tree. The program's standard error of both runs goes to LOG.
# Fails when a window did not open.
# Usage: open_sheet_and_procedure.sh TABLORA TABLES.sql PROCEDURES.sql LOG
set -uo pipefail
program=$1 tables=$2 procedures=$3 log=$4
: >"$log"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null' EXIT
fail() { echo "$1" >&2; exit 1; }

# Starts the program on $1 and sets main, mx, my to its main window (its widest window: GTK
# also makes hidden ones) and that window's position.
start() {
  "$program" "$1" 2>>"$log" &
  pid=$!
  main=""
  for _ in $(seq 1 150); do
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      if [ "$WIDTH" -gt 500 ]; then main=$id; break 2; fi
    done
    sleep 0.2
  done
  [ -n "$main" ] || fail "the main window did not appear"
  sleep 2  # the design opens once the window is shown
  eval "$(xdotool getwindowgeometry --shell "$main")"
  mx=$X my=$Y
}
stop() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=""
}

# The first table's window sits at the top left of the design view, right of the work box;
# the first command of its menu opens the editor sheet (720 x 480).
start "$tables"
xdotool mousemove $((mx + 330)) $((my + 140)) click 3
sleep 0.5
xdotool key Down Return
sheet=""
for _ in $(seq 1 50); do
  sleep 0.2
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$WIDTH" -eq 720 ] && [ "$HEIGHT" -eq 480 ]; then sheet=$id; break 2; fi
  done
done
[ -n "$sheet" ] || fail "the table editor sheet did not open"
sleep 0.5
stop

# The table tree: its root item clicked, then its last item ("存储过程") opened by keys and
# the first procedure selected, which shows that procedure in the procedure view.
start "$procedures"
xdotool mousemove $((mx + 80)) $((my + 100)) click 1
sleep 0.3
xdotool key End Right Down
for _ in $(seq 1 50); do
  sleep 0.2
  case "$(xdotool getwindowname "$main")" in
    *存储过程视图*) sleep 0.5; stop; exit 0 ;;
  esac
done
fail "the procedure view did not open"
