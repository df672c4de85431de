#!/usr/bin/env bash
# run-test.sh MODE COMMAND [ARGS...]
# MODE: offscreen | x11 | pulse | dualhead | xfwm | xfwm-nocomp | openbox |
#       openbox-picom | i3 | kwin
# Runs one test in a private HOME with its own XDG and temporary folders, and
# for x11/pulse with its own Xvfb (and PulseAudio server), for dualhead with
# its own Xorg of two monitors, and for the desktop modes with an Xvfb that
# runs a real desktop, all removed afterwards:
#   xfwm, xfwm-nocomp  xfwm4 with its compositor on or off, xfce4-panel with a
#                      top panel and a bottom dock that reserve their strips,
#                      xfdesktop
#   openbox            openbox without a compositor, tint2 reserving a bottom
#                      strip, xfdesktop
#   openbox-picom      the same with picom compositing (xrender)
#   i3                 i3 tiling, with i3bar as its dock at the top
#   kwin               kwin_x11 compositing (OpenGL on Mesa's software
#                      rasterizer), tint2, xfdesktop
# Each desktop reads only the private configuration beside this script.
#
# Whatever ends the test (its end, its time limit, a signal, a crash),
# everything it started ends with it and its folder goes: the test runs in a
# process group of its own, and every process it starts, also one that left
# the tree as a daemon, carries MIRELO_TEST_ROOT in its environment, by
# which it is found and ended. A guard apart from the test does the same
# should this script be killed outright (CTest ends a test past its time
# limit with SIGKILL, which no trap sees).
set -u
here=$(cd "$(dirname "$0")" && pwd)
# The descriptors this script was handed beyond its input and output (a
# caller's log or pipe) are not the test's: a daemon started here would hold
# them open after the test.
for fd in /proc/$$/fd/*; do
  fd=${fd##*/}
  [ "$fd" -gt 2 ] && [ "$fd" -ne 255 ] && eval "exec $fd>&-"
done

# end_processes ROOT [SKIP]: ends every process whose environment names
# ROOT as its test's folder (but SKIP), politely first, and returns once
# none is left or after some seconds of trying.
end_processes() {
  local signal files f list i
  for signal in TERM TERM TERM KILL KILL KILL; do
    for i in $(seq 20); do
      # Only grep reads /proc here, and without the name in its own
      # environment (a process started by this script has it from its start).
      files=$(env -u MIRELO_TEST_ROOT grep -lzxF "MIRELO_TEST_ROOT=$1" /proc/[0-9]*/environ 2>/dev/null)
      list=()
      for f in $files; do
        f=${f#/proc/}
        f=${f%/environ}
        [ "$f" != "${2:-0}" ] && list+=("$f")
      done
      [ ${#list[@]} = 0 ] && return 0
      [ "$i" = 1 ] && kill "-$signal" "${list[@]}" 2>/dev/null
      sleep 0.05
    done
  done
  return 1
}

# run-test.sh --guard PID ROOT: waits for the runner PID to end, however
# it ends, then ends what is left of its test and removes ROOT.
if [ "${1:-}" = --guard ]; then
  tail --pid="$2" -s 0.5 -f /dev/null
  end_processes "$3"
  rm -rf "$3"
  exit 0
fi

mode=$1; shift

root=$(mktemp -d "${TMPDIR:-/tmp}/mirelo-test.XXXXXX")
# Out of the test's tree and its output (CTest waits while anything holds
# the test's output open).
setsid -f env -u MIRELO_TEST_ROOT bash "$here/run-test.sh" --guard $$ "$root" </dev/null >/dev/null 2>&1
export MIRELO_TEST_ROOT=$root
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data \
       XDG_CACHE_HOME=$root/cache XDG_RUNTIME_DIR=$root/runtime
# A temporary folder of its own too: names made from the clock (the patch
# download folder) or fixed names would meet those of tests running at the
# same time, and what else lies in /tmp is not the test's business.
export TMPDIR=$root/tmp
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS PULSE_SERVER WAYLAND_DISPLAY XDG_SESSION_TYPE
# The desktop's helpers stay unstarted: no accessibility bus, no virtual
# file systems or volume monitors (the session bus activates only what the
# desktops need, see start_session_bus).
export NO_AT_BRIDGE=1 GTK_A11Y=none GIO_USE_VFS=local GIO_USE_VOLUME_MONITOR=unix GVFS_DISABLE_FUSE=1
# Sanitizer reports (of a sanitizer build) of the test and of every program
# it starts go to files of their own: a report fails the test whatever the
# exit code says (a leak under halt_on_error=0 leaves it at 0) and whichever
# process made it.
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  export "$v=${!v:+${!v}:}log_path=$root/sanitizer"
done
# The program follows the desktop's proxy; the tests' servers are local.
export no_proxy=127.0.0.1,localhost${no_proxy:+,$no_proxy}

pids=()
test_pid=
cleanup() {
  trap - EXIT TERM INT HUP
  # The test first (with what it started in its group), then the desktop's
  # parts, each only while it is still this test's: the number of one that
  # ended (a compositor a test stopped) may since be another process's.
  ours "$test_pid" && kill -TERM -- "-$test_pid" 2>/dev/null
  for p in "${pids[@]}"; do ours "$p" && kill "$p" 2>/dev/null; done
  # Then whatever else the test started, also what left the tree (a daemon
  # the bus started, a program whose parent ended); what does not end within
  # a few seconds (stuck on a loaded machine) is killed.
  end_processes "$root"
  for p in "${pids[@]}" $test_pid; do wait "$p" 2>/dev/null; done
  rm -rf "$root"
}
# ours PID: the process runs for this test (its environment names the
# test's folder; a process that has ended has none).
ours() {
  [ -n "$1" ] && env -u MIRELO_TEST_ROOT grep -qzxF "MIRELO_TEST_ROOT=$root" /proc/"$1"/environ 2>/dev/null
}
trap cleanup EXIT
# A signal ends the test as its end would (the EXIT trap cleans up).
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

start_xvfb() {
  # Xvfb picks a free display itself and writes its number when it is ready.
  local screen=${MIRELO_TEST_SCREEN:-1920x1080x24}
  screen_height=$(cut -dx -f2 <<<"$screen")
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
  # Nothing draws with OpenGL: Qt's GLX layer stays unloaded, and with it
  # Mesa's driver, which keeps a block to the end of the process in a
  # library unloaded before the leak report (where no suppression can name
  # it).
  export QT_XCB_GL_INTEGRATION=none
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

start_session_bus() {
  # A session bus of our own: xfconf, which the desktop's parts read their
  # settings from, is started on it by D-Bus activation (on the display, so
  # the bus starts after the X server). It activates nothing else: none of
  # the system's other services (an accessibility bus, file system daemons)
  # starts for the test, to outlive it or load the machine.
  mkdir -p "$root/dbus-services"
  cp /usr/share/dbus-1/services/org.xfce.Xfconf.service "$root/dbus-services/"
  cat >"$root/dbus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <keep_umask/>
  <listen>unix:dir=$root/runtime</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$root/dbus-services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
  # Its output goes to a file: the services it starts (xfconfd and the like)
  # inherit it, and one that outlives the test would hold the test's output
  # open, so that CTest waits for it until the timeout.
  dbus-daemon --config-file="$root/dbus.conf" --fork --nosyslog --print-address=3 --print-pid=4 \
      3>"$root/dbus.address" 4>"$root/dbus.pid" >"$root/dbus.log" 2>&1 </dev/null || { echo "run-test.sh: dbus-daemon did not start" >&2; exit 1; }
  export DBUS_SESSION_BUS_ADDRESS=$(cat "$root/dbus.address")
  pids+=("$(cat "$root/dbus.pid")")
}

# start_bg NAME COMMAND...: starts a part of the desktop, its output in
# $root/NAME.log, its process id in $root/NAME.pid (a test that switches the
# compositor off stops it).
start_bg() {
  local name=$1; shift
  "$@" >"$root/$name.log" 2>&1 </dev/null &
  pids+=($!)
  echo $! >"$root/$name.pid"
}

start_xfce() {
  local xml=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
  mkdir -p "$xml"
  cp "$here/xfce/xfce4-panel.xml" "$xml/"
  start_xvfb
  start_session_bus
  start_bg xfwm4 xfwm4 --compositor="$1"
  wait_root_property _NET_SUPPORTING_WM_CHECK 'window id' xfwm4
  [ "$1" = on ] && wait_compositor xfwm4
  start_bg xfce4-panel xfce4-panel
  # The panel is up once the window manager has taken its strip off the
  # work area.
  wait_root_property _NET_WORKAREA '= 0, [1-9]' xfce4-panel
  start_xfdesktop
}

start_openbox() {
  start_xvfb
  start_session_bus
  start_bg openbox openbox --config-file "$here/openbox/rc.xml"
  wait_root_property _NET_SUPPORTING_WM_CHECK 'window id' openbox
  if [ "$1" = picom ]; then
    start_bg picom picom --config /dev/null --backend xrender
    wait_compositor picom
  fi
  start_tint2
  start_xfdesktop
}

start_i3() {
  start_xvfb
  start_session_bus
  # Its wallpaper on the root window, as a setter would leave it.
  xsetroot -solid '#2e4a62'
  start_bg i3 i3 -c "$here/i3/config"
  wait_root_property _NET_SUPPORTING_WM_CHECK 'window id' i3
  # i3 keeps no work area: its bar is up once mapped in the dock area.
  wait_window '("[^"]*" "i3bar")' i3
}

start_kwin() {
  mkdir -p "$XDG_CONFIG_HOME"
  cp "$here/kwin/kwinrc" "$XDG_CONFIG_HOME/"
  start_xvfb
  start_session_bus
  # Qt's GLX layer, which the tests leave out, is what kwin composites with.
  QT_XCB_GL_INTEGRATION= start_bg kwin kwin_x11
  wait_root_property _NET_SUPPORTING_WM_CHECK 'window id' kwin
  wait_compositor kwin
  start_tint2
  start_xfdesktop
}

start_tint2() {
  start_bg tint2 tint2 -c "$here/tint2/tint2rc"
  # Up once the window manager has taken its strip off the work area's
  # height.
  wait_root_property _NET_WORKAREA "= 0, 0, [0-9]*, $(( screen_height - 30 ))$" tint2
}

start_xfdesktop() {
  start_bg xfdesktop xfdesktop
  wait_window '"Desktop": ("xfdesktop"' xfdesktop
}

# wait_window PATTERN WHAT: waits until a window whose xwininfo line matches
# PATTERN is viewable, at any depth (a window manager may have framed it).
wait_window() {
  local id
  for _ in $(seq 400); do
    id=$(xwininfo -root -tree 2>/dev/null | grep -- "$1" | awk '{ print $1; exit }')
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
    sleep 0.05
  done
  echo "run-test.sh: $2 did not start" >&2; cat "$root/$2.log" >&2; exit 1
}

# wait_compositor WHAT: waits until a compositing manager owns the screen's
# selection (asked through the build's mirelo_selection_owner, which CTest
# names in MIRELO_SELECTION_OWNER).
wait_compositor() {
  if [ ! -x "${MIRELO_SELECTION_OWNER:-}" ]; then
    echo "run-test.sh: MIRELO_SELECTION_OWNER names no program" >&2; exit 1
  fi
  for _ in $(seq 400); do
    "$MIRELO_SELECTION_OWNER" _NET_WM_CM_S0 && return 0
    sleep 0.05
  done
  echo "run-test.sh: $1 did not start compositing" >&2; cat "$root/$1.log" >&2; exit 1
}

# wait_root_property NAME PATTERN WHAT: waits until the root window's
# property NAME matches PATTERN; WHAT names the part awaited (and its log).
wait_root_property() {
  for _ in $(seq 400); do
    xprop -root "$1" 2>/dev/null | grep -q -- "$2" && return 0
    sleep 0.05
  done
  echo "run-test.sh: $3 did not start" >&2; cat "$root/$3.log" >&2; exit 1
}

case "$mode" in
  offscreen) export QT_QPA_PLATFORM=offscreen ;;
  x11) start_xvfb ;;
  pulse) start_xvfb; start_pulse ;;
  dualhead) start_dualhead ;;
  xfwm) start_xfce on ;;
  xfwm-nocomp) start_xfce off ;;
  openbox) start_openbox none ;;
  openbox-picom) start_openbox picom ;;
  i3) start_i3 ;;
  kwin) start_kwin ;;
  *) echo "run-test.sh: unknown mode $mode" >&2; exit 2 ;;
esac
# Tests that behave apart on a managed desktop read which one this is.
case "$mode" in
  xfwm*|openbox*|i3|kwin) export MIRELO_TEST_DESKTOP=$mode ;;
esac

# In a process group of its own, which its end takes along; waited for in
# the background, so that a signal is heard at once. A command in the
# background ignores SIGINT and SIGQUIT: the test has them as it would in
# the foreground (the program it starts leaves on SIGINT).
setsid -w env --default-signal=INT,QUIT "$@" <&0 &
test_pid=$!
wait "$test_pid"
status=$?
if compgen -G "$root/sanitizer.*" >/dev/null; then
  cat "$root"/sanitizer.* >&2
  if grep -qE "ERROR: [A-Za-z]+Sanitizer|runtime error:" "$root"/sanitizer.*; then
    echo "run-test.sh: a sanitizer reported an error" >&2
    [ "$status" -eq 0 ] && status=1
  fi
fi
exit "$status"
