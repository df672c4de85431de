#!/usr/bin/env bash
# run-test.sh MODE COMMAND [ARGS...]
# MODE: offscreen | x11 | pulse | dualhead
# Runs one test in a private HOME with its own XDG folders, and for x11/pulse
# with its own Xvfb (and PulseAudio server), for dualhead with its own Xorg of
# two monitors, all removed afterwards.
set -u
mode=$1; shift

root=$(mktemp -d "${TMPDIR:-/tmp}/mirelo-test.XXXXXX")
export MIRELO_TEST_ROOT=$root
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data \
       XDG_CACHE_HOME=$root/cache XDG_RUNTIME_DIR=$root/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS PULSE_SERVER
# The program follows the desktop's proxy; the tests' servers are local.
export no_proxy=127.0.0.1,localhost${no_proxy:+,$no_proxy}

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  rm -rf "$root"
}
trap cleanup EXIT

start_xvfb() {
  # Xvfb picks a free display itself and writes its number when it is ready.
  local screen=${MIRELO_TEST_SCREEN:-1920x1080x24}
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$root/display" 2>"$root/xvfb.log" &
  pids+=($!)
  use_display Xvfb "$root/xvfb.log"
}

# use_display NAME LOG...: waits for the X server just started to write its
# display number, then points the test at it.
use_display() {
  local name=$1; shift
  for _ in $(seq 400); do
    [ -s "$root/display" ] && break
    sleep 0.05
  done
  if [ ! -s "$root/display" ]; then
    echo "run-test.sh: $name did not start" >&2; cat "$@" >&2; exit 1
  fi
  export DISPLAY=:$(head -n1 "$root/display")
  export QT_QPA_PLATFORM=xcb
}

start_dualhead() {
  # The server binary itself, not the setuid wrapper, runs as any user with
  # an absolute private configuration (xorg-dualhead.conf beside this script)
  # and no configuration folder of the system; a seat of its own keeps it
  # off the consoles. The dummy driver draws into memory.
  mkdir -p "$root/xorg.conf.d"
  /usr/lib/xorg/Xorg -displayfd 3 -seat seat-mirelo-test -config "$(dirname "$0")/xorg-dualhead.conf" \
      -configdir "$root/xorg.conf.d" -logfile "$root/xorg.log" -nolisten tcp -noreset -novtswitch -sharevts \
      3>"$root/display" >"$root/xorg.out" 2>&1 &
  pids+=($!)
  use_display Xorg "$root/xorg.out" "$root/xorg.log"
}

start_pulse() {
  # A sound server of our own: a null sink (its monitor is "system sound")
  # and a sine source (a "microphone"), so both device types have devices.
  export PULSE_RUNTIME_PATH=$root/pulse PULSE_STATE_PATH=$root/pulse
  mkdir -p "$PULSE_RUNTIME_PATH"
  local flags=(--daemonize=no --exit-idle-time=-1 --disallow-exit -n
               --load=module-native-protocol-unix --log-target=file:"$root/pulse.log")
  [ "$(id -u)" -eq 0 ] && flags+=(--system=false)
  pulseaudio "${flags[@]}" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.05
  done
  if ! pactl info >/dev/null 2>&1; then
    echo "run-test.sh: pulseaudio did not start" >&2; cat "$root/pulse.log" >&2; exit 1
  fi
  pactl load-module module-null-sink sink_name=mirelo_null_sink \
      sink_properties=device.description=Test_Output >/dev/null
  pactl load-module module-sine-source source_name=mirelo_sine frequency=440 \
      >/dev/null
  pactl set-default-sink mirelo_null_sink
}

case "$mode" in
  offscreen) export QT_QPA_PLATFORM=offscreen ;;
  x11) start_xvfb ;;
  pulse) start_xvfb; start_pulse ;;
  dualhead) start_dualhead ;;
  *) echo "run-test.sh: unknown mode $mode" >&2; exit 2 ;;
esac

"$@"
