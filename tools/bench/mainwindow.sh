# Sourced by the benchmark scripts.
# main_window PID MAX_WIDTH: prints the X id of the program's main window
# (visible, wider than 800 and narrower than MAX_WIDTH, the screen less its
# edges) once it shows, within 30 s; prints nothing if it never does.
main_window() {
  local pid=$1 max=$2 w
  for _ in $(seq 150); do
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      if [ "$WIDTH" -gt 800 ] && [ "$WIDTH" -lt "$max" ]; then
        echo "$w"
        return
      fi
    done
    sleep 0.2
  done
}
