# Sourced by the scripts that shoot the window program under a virtual display.
# wait_for_main_window: sets `win` to the X window of the program's main window, the widest
# window of the program (GTK also makes hidden ones); fails after ten seconds.
wait_for_main_window() {
  win=""
  for _ in $(seq 1 50); do
    for id in $(xdotool search --class '^tablora$' 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      if [ "$WIDTH" -gt 500 ]; then win=$id; return 0; fi
    done
    sleep 0.2
  done
  echo "the main window did not appear" >&2
  return 1
}
