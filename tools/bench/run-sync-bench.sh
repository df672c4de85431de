#!/usr/bin/env bash
# The sound-and-picture sync benchmark. A stimulus flashes the screen and
# beeps at the same instant, at irregular intervals of 0.6 to 1.6 s (a fixed
# pseudo-random sequence, av-stimulus.c); our engine
# (through tools/bin/mirelo-rec, system sound and microphone) and the FFmpeg
# command line (x11grab + the same two sound devices through PulseAudio)
# record it side by side, on a private 640x360 Xvfb and a private sound
# server (null output, clocked silent microphone). av_sync_analysis.py then
# tells each flash and each beep apart by the intervals that follow it, pairs
# every flash with its own beep and reports, for each file, the offsets
# (median, spread, largest, drift per minute), after a stall those before and
# after it and how many of the later flashes found their beep, and the
# lengths of the picture and the sound.
#
#   bash tools/bench/run-sync-bench.sh [--seconds S] [--fps N] [--pause-every S] [--stall S [--paused]]
#                                      [--program] [--no-build] [-v]
#
# With --pause-every, our engine alone records, pausing every S seconds (at
# most 15 times) for a little under a second (the command line cannot pause).
# With --stall, our recorder is stopped (SIGSTOP) halfway for S seconds, as a
# suspended laptop stops it, then goes on (SIGCONT); the command line, not
# stopped, records beside it as the reference (a glitch of the stimulus
# itself, such as a late beep on a loaded machine, shows in both files).
# With --paused too, the stall falls inside a pause of the recording (paused
# 3 s before the stop, resumed 3 s after it goes on; for the program 2 s,
# with its pause hotkey). With --program, the program itself records instead
# of mirelo-rec, on a 1280x720 screen (its main window needs the room),
# without the command line (grabbing the whole screen beside it loads the X
# server enough to delay the program's pictures by a frame and more): it is
# started with a user of its own, driven with xdotool through Record Screen >
# Full Screen and the start/stop hotkey, with both sound sources on as they
# are by default.
# MIRELO_SYNC_BENCH_KEEP=DIR keeps the recordings and logs in DIR.
#
# Not part of the tests: a full run (the default 600 s) takes ten minutes.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/tools/bench/mainwindow.sh"
seconds=600 fps=30 build=1 verbose="" pauseEvery=0 stall=0 stallPaused=0 program=0
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --fps) fps=$2; shift 2 ;;
    --pause-every) pauseEvery=$2; shift 2 ;;
    --stall) stall=$2; shift 2 ;;
    --paused) stallPaused=1; shift ;;
    --program) program=1; shift ;;
    --no-build) build=0; shift ;;
    -v) verbose=-v; shift ;;
    *) echo "usage: $0 [--seconds S] [--fps N] [--pause-every S] [--stall S [--paused]] [--program] [--no-build] [-v]" >&2
       exit 2 ;;
  esac
done

if [ -z "${MIRELO_SYNC_BENCH_INNER:-}" ]; then
  [ "$build" = 1 ] && bash "$here/tools/build.sh" >/dev/null
  # Inside a private X server and sound server, the way the tests get them.
  export MIRELO_SYNC_BENCH_INNER=1 MIRELO_TEST_SCREEN=640x360x24
  [ "$program" = 1 ] && MIRELO_TEST_SCREEN=1280x720x24
  [ "$program" = 1 ] && set -- --program
  [ "$stallPaused" = 1 ] && set -- "$@" --paused
  exec bash "$here/tests/support/run-test.sh" pulse bash "$0" --seconds "$seconds" --fps "$fps" \
    --pause-every "$pauseEvery" --stall "$stall" "$@" $verbose
fi
[ "$program" = 0 ] || [ "$pauseEvery" = 0 ] || { echo "--pause-every is for mirelo-rec alone" >&2; exit 2; }
[ "$stallPaused" = 0 ] || [ "$stall" != 0 ] || { echo "--paused goes with --stall" >&2; exit 2; }

for t in av-stimulus mirelo-rec; do
  [ -x "$here/build/tools/bin/$t" ] || { echo "missing build/tools/bin/$t: build first" >&2; exit 1; }
done
work=$MIRELO_TEST_ROOT/sync-bench
mkdir -p "$work"
# A microphone that delivers in real time (silence), instead of the tests'
# sine source, which hands over its sound in two-second blocks.
pactl load-module module-null-source source_name=bench_mic >/dev/null
pactl unload-module module-sine-source >/dev/null || true
pactl set-default-source bench_mic

pauses=()
if [ "$pauseEvery" != 0 ]; then
  # Pauses that begin and end at odd instants of the seconds; at most
  # 15 (mirelo-rec takes 32 timed actions).
  for ((at = pauseEvery; at < seconds && ${#pauses[@]} < 30; at += pauseEvery)); do
    pauses+=(--pause "$at.37,0.71")
  done
fi
if [ "$stallPaused" = 1 ] && [ "$program" = 0 ]; then
  # Its clock starts at its start, a moment after ours: 3 s leaves room.
  pauses+=(--pause "$((seconds / 2 - 3)),$((stall + 6))")
fi
alone=0 # our recorder without the command line beside it
[ "$pauseEvery" = 0 ] && [ "$program" = 0 ] || alone=1
size=640x360
[ "$program" = 0 ] || size=1280x720

# The program, started with a user of its own (the test's private folders),
# on Record Screen > Full Screen; $ppid and $frame (its main window).
start_program() {
  mkdir -p "$XDG_CONFIG_HOME/Olvex"
  printf '[Recording]\nAutoOpenHistory=false\nShowCountdown=false\n[Others]\nExitWhenCloseTip=false\nExitWhenClose=true\n' \
    >"$XDG_CONFIG_HOME/Olvex/Free Mirelo.conf"
  MIRELO_ENGINE_LOG="$work/engine-diag.log" "$here/build/bin/mirelo" >"$work/program.log" 2>&1 &
  ppid=$!
  frame=$(main_window "$ppid" 1270)
  [ -n "$frame" ] || { echo "the program's main window did not show" >&2; cat "$work/program.log"; exit 1; }
  for _ in $(seq 20); do
    eval "$(xdotool getwindowgeometry --shell "$frame")"
    n=$(xdotool search --onlyvisible --pid "$ppid" | wc -l)
    xdotool mousemove $((X + 154)) $((Y + 123)) click 1
    sleep 1
    [ "$(xdotool search --onlyvisible --pid "$ppid" | wc -l)" -gt "$n" ] && break
  done
  xdotool key Down Return
  sleep 2
}
capturing() { grep -qx mirelo-capture /proc/"$1"/task/*/comm 2>/dev/null; }

[ "$program" = 0 ] || start_program
"$here/build/tools/bin/av-stimulus" $((seconds + stall + 8 + ${#pauses[@]})) >"$work/stimulus.log" &
stim=$!
sleep 1
if [ "$program" = 1 ]; then
  xdotool key ctrl+alt+s
  for _ in $(seq 100); do capturing "$ppid" && break; sleep 0.1; done
  ours=$ppid
else
  MIRELO_ENGINE_LOG="$work/engine-diag.log" "$here/build/tools/bin/mirelo-rec" --lib "$here/build/bin/libMirelo.so" \
      --rect 0,0,640,360 --fps "$fps" --seconds $((seconds + stall)) "${pauses[@]}" --audio "$work/engine.mp4" \
      >"$work/engine.log" 2>&1 &
  ours=$!
fi
if [ "$alone" = 0 ]; then
  ffmpeg -hide_banner -loglevel error -y \
    -thread_queue_size 1024 -f x11grab -framerate "$fps" -video_size 640x360 -i "$DISPLAY+0,0" \
    -thread_queue_size 1024 -f pulse -i mirelo_null_sink.monitor \
    -thread_queue_size 1024 -f pulse -i bench_mic \
    -filter_complex "[1:a][2:a]amix=inputs=2:normalize=0[a]" -map 0:v -map "[a]" \
    -c:v libx264 -preset veryfast -crf 23 -c:a aac -ar 48000 -t $((seconds + stall)) "$work/ffmpeg.mp4" \
    >"$work/ffmpeg.log" 2>&1 &
  theirs=$!
fi
after=$((seconds - seconds / 2))
if [ "$stall" != 0 ]; then
  if [ "$stallPaused" = 1 ] && [ "$program" = 1 ]; then
    sleep $((seconds / 2 - 2))
    xdotool key ctrl+alt+r
    sleep 2
  else
    sleep $((seconds / 2))
  fi
  kill -STOP "$ours"
  sleep "$stall"
  kill -CONT "$ours"
  if [ "$stallPaused" = 1 ] && [ "$program" = 1 ]; then
    sleep 2
    xdotool key ctrl+alt+r
    after=$((after - 2))
  fi
fi
if [ "$program" = 1 ]; then
  sleep "$after"
  xdotool key ctrl+alt+s
  videos=$HOME/Documents/Olvex/Free\ Mirelo/Video
  for _ in $(seq 300); do
    f=$(ls "$videos"/*.mp4 2>/dev/null | head -n1)
    [ -n "$f" ] && ! capturing "$ppid" && break
    sleep 0.2
  done
  sleep 2 # the rewrite with the index at the front
  cp "$f" "$work/engine.mp4" 2>/dev/null || { echo "the program made no file"; cat "$work/program.log"; }
  kill "$ppid"
  wait "$ppid" 2>/dev/null || true
else
  wait $ours || { echo "engine recording failed:"; cat "$work/engine.log"; }
fi
if [ "$alone" = 0 ]; then
  wait $theirs || { echo "ffmpeg recording failed:"; cat "$work/ffmpeg.log"; }
fi
kill $stim 2>/dev/null || true
wait $stim 2>/dev/null || true

label="engine "
[ "$program" = 0 ] || label="program"
echo "sync benchmark: $seconds s at $fps fps, $size, system sound + microphone, $((${#pauses[@]} / 2)) pauses," \
  "a stall of $stall s$([ "$stallPaused" = 0 ] || echo " inside a pause"), recorded by the $label"
python3 "$here/tools/bench/av_sync_analysis.py" "$work/engine.mp4" "$label" $verbose
if [ "$alone" = 0 ]; then
  python3 "$here/tools/bench/av_sync_analysis.py" "$work/ffmpeg.mp4" "ffmpeg " $verbose
fi
if [ -n "$verbose" ]; then
  echo "engine diagnostics:"
  cat "$work/engine-diag.log" 2>/dev/null || true
fi
[ -z "${MIRELO_SYNC_BENCH_KEEP:-}" ] || cp "$work"/*.mp4 "$work"/*.log "$MIRELO_SYNC_BENCH_KEEP"/ 2>/dev/null || true
