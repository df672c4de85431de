#!/usr/bin/env bash
# The sound-and-picture sync benchmark. A stimulus flashes the screen and
# beeps at the same instant once a second (av-stimulus.c); our engine
# (through tools/bin/mirelo-rec, system sound and microphone) and the FFmpeg
# command line (x11grab + the same two sound devices through PulseAudio)
# record it side by side, on a private 640x360 Xvfb and a private sound
# server (null output, clocked silent microphone). av_sync_analysis.py then
# reports, for each file, the largest sound-to-picture offset and its drift
# per minute.
#
#   bash tools/bench/run-sync-bench.sh [--seconds S] [--fps N] [--pause-every S] [--no-build] [-v]
#
# With --pause-every, our engine alone records, pausing every S seconds (at
# most 15 times) for a little under a second (the command line cannot pause).
#
# Not part of the tests: a full run (the default 600 s) takes ten minutes.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
seconds=600 fps=30 build=1 verbose="" pauseEvery=0
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --fps) fps=$2; shift 2 ;;
    --pause-every) pauseEvery=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    -v) verbose=-v; shift ;;
    *) echo "usage: $0 [--seconds S] [--fps N] [--pause-every S] [--no-build] [-v]" >&2; exit 2 ;;
  esac
done

if [ -z "${MIRELO_SYNC_BENCH_INNER:-}" ]; then
  [ "$build" = 1 ] && bash "$here/tools/build.sh" >/dev/null
  # Inside a private X server and sound server, the way the tests get them.
  export MIRELO_SYNC_BENCH_INNER=1 MIRELO_TEST_SCREEN=640x360x24
  exec bash "$here/tests/support/run-test.sh" pulse bash "$0" --seconds "$seconds" --fps "$fps" \
    --pause-every "$pauseEvery" $verbose
fi

work=$MIRELO_TEST_ROOT/sync-bench
mkdir -p "$work"
cc -O2 -o "$work/av-stimulus" "$here/tools/bench/av-stimulus.c" \
   $(pkg-config --cflags --libs xcb libpulse-simple) -lm -lpthread
# A microphone that delivers in real time (silence), instead of the tests'
# sine source, which hands over its sound in two-second blocks.
pactl load-module module-null-source source_name=bench_mic >/dev/null
pactl unload-module module-sine-source >/dev/null || true
pactl set-default-source bench_mic

pauses=()
if [ "$pauseEvery" != 0 ]; then
  # Pauses that begin and end at odd instants, between the beeps; at most
  # 15 (mirelo-rec takes 32 timed actions).
  for ((at = pauseEvery; at < seconds && ${#pauses[@]} < 30; at += pauseEvery)); do
    pauses+=(--pause "$at.37,0.71")
  done
fi
"$work/av-stimulus" $((seconds + 6 + ${#pauses[@]})) >"$work/stimulus.log" &
stim=$!
sleep 1
MIRELO_ENGINE_LOG="$work/engine-diag.log" "$here/build/tools/bin/mirelo-rec" --lib "$here/build/bin/libMirelo.so" --rect 0,0,640,360 \
    --fps "$fps" --seconds "$seconds" "${pauses[@]}" --audio "$work/engine.mp4" >"$work/engine.log" 2>&1 &
ours=$!
[ "$pauseEvery" = 0 ] && ffmpeg -hide_banner -loglevel error -y \
    -thread_queue_size 1024 -f x11grab -framerate "$fps" -video_size 640x360 -i "$DISPLAY+0,0" \
    -thread_queue_size 1024 -f pulse -i mirelo_null_sink.monitor \
    -thread_queue_size 1024 -f pulse -i bench_mic \
    -filter_complex "[1:a][2:a]amix=inputs=2:normalize=0[a]" -map 0:v -map "[a]" \
    -c:v libx264 -preset veryfast -crf 23 -c:a aac -ar 48000 -t "$seconds" "$work/ffmpeg.mp4" \
    >"$work/ffmpeg.log" 2>&1 &
theirs=$!
wait $ours || { echo "engine recording failed:"; cat "$work/engine.log"; }
if [ "$pauseEvery" = 0 ]; then
  wait $theirs || { echo "ffmpeg recording failed:"; cat "$work/ffmpeg.log"; }
fi
kill $stim 2>/dev/null || true
wait $stim 2>/dev/null || true

echo "sync benchmark: $seconds s at $fps fps, 640x360, system sound + microphone, $((${#pauses[@]} / 2)) pauses"
window=0.45
[ "$pauseEvery" = 0 ] || window=0.2
python3 "$here/tools/bench/av_sync_analysis.py" "$work/engine.mp4" "engine " $verbose --window $window
if [ "$pauseEvery" = 0 ]; then
  python3 "$here/tools/bench/av_sync_analysis.py" "$work/ffmpeg.mp4" "ffmpeg " $verbose
fi
if [ -n "$verbose" ]; then
  echo "engine diagnostics:"
  cat "$work/engine-diag.log" 2>/dev/null || true
fi
