#!/usr/bin/env bash
# The recording benchmark: our engine (through tools/bin/mirelo-rec) against
# the FFmpeg command line (x11grab + libx264, same preset and rate factor),
# recording the same 1920x1080 area of one private Xvfb with moving content,
# alternating runs.
#
#   bash tools/bench/run-bench.sh [--seconds S] [--rounds N] [--fps "30 60"] [--scroll | --still] [--no-build]
#                                 [--cycles N] [--idle [--idle-seconds S]]
#
# --scroll makes the whole page scroll, so every pixel changes every frame;
# --still draws the page once and nothing moves (a quiet desktop).
#
# For each run it prints: CPU seconds per recorded second (the recorder plus
# the X server), frames written against frames expected and how many of them
# repeat the previous picture because the recorder could not take their own
# in time (the engine's "repeated", FFmpeg's "dup"), the largest gap between
# frames, the file size, the peak resident memory and, for the engine, the
# resident memory once its stop returned (FFmpeg ends with its recording).
# The medians per recorder and rate, and the frames each recorder kept in
# every round, close the report.
#
# --cycles N then makes N recordings of 3 s in one session, twice: the
# program itself (started with a user of its own, driven with xdotool:
# Record Screen > Full Screen, the start/stop hotkey) and the engine alone
# (mirelo-rec --repeat), printing resident memory before the first and after
# each; the program's idle wake-ups over 60 s on its home page close it.
#
# --idle measures only the program's wake-ups a second while it idles (every
# thread counted, then per thread), on a private X server and sound server
# (a null output and a microphone that delivers silence in real time): on
# its home page, on the record page with both level bars showing, and there
# again while noise plays on the output (the system sound bar moves). Each
# figure over 60 s, or S with --idle-seconds.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/tools/bench/mainwindow.sh"
seconds=10 rounds=3 rates="30 60" build=1 content= cycles=0 idle=0 idleSeconds=60
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --fps) rates=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    --scroll) content=--scroll; shift ;;
    --still) content=--still; shift ;;
    --cycles) cycles=$2; shift 2 ;;
    --idle) idle=1; shift ;;
    --idle-seconds) idleSeconds=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds S] [--rounds N] [--fps \"30 60\"] [--scroll | --still] [--no-build] [--cycles N]" \
         "[--idle [--idle-seconds S]]" >&2; exit 2 ;;
  esac
done
[ "$build" = 1 ] && [ -z "${MIRELO_IDLE_BENCH_INNER:-}" ] && bash "$here/tools/build.sh" >/dev/null

# Context switches of each of the process's threads, voluntary and not:
# "thread count name" lines. wakeups A B SECONDS: those per second between
# two such snapshots (a thread that ended meanwhile is not counted);
# per_thread A B SECONDS: the same by thread name, busiest first.
switches() {
  for t in /proc/"$1"/task/*; do
    awk -v t="${t##*/}" -v n="$(cat "$t/comm" 2>/dev/null | tr ' ' _)" \
      '/ctxt_switches/{s += $2} END{print t, s, n}' "$t/status" 2>/dev/null
  done
}
wakeups() {
  awk -v secs="$3" 'NR == FNR {a[$1] = $2; next} {d += $2 - ($1 in a ? a[$1] : 0)} END {printf "%.2f", d / secs}' \
    "$1" "$2"
}
per_thread() {
  awk -v secs="$3" 'NR == FNR {a[$1] = $2; next} {d[$3] += $2 - ($1 in a ? a[$1] : 0)}
    END {for (n in d) if (d[n] > 0) printf "%s %.2f\n", n, d[n] / secs}' "$1" "$2" | sort -k2 -nr |
    awk '{printf "%s%s %s", (NR > 1 ? ", " : ""), $1, $2} END {print ""}'
}

if [ "$idle" = 1 ]; then
  if [ -z "${MIRELO_IDLE_BENCH_INNER:-}" ]; then
    export MIRELO_IDLE_BENCH_INNER=1
    exec bash "$here/tests/support/run-test.sh" pulse bash "$0" --idle --idle-seconds "$idleSeconds" --no-build
  fi
  # A microphone that delivers in real time, as a real one does (the tests'
  # sine source hands its sound over in blocks of two seconds).
  pactl load-module module-null-source source_name=bench_mic >/dev/null
  pactl unload-module module-sine-source >/dev/null || true
  pactl set-default-source bench_mic
  work=$MIRELO_TEST_ROOT/idle-bench
  mkdir -p "$work" "$XDG_CONFIG_HOME/Olvex"
  printf '[Recording]\nAutoOpenHistory=false\nShowCountdown=false\n[Others]\nExitWhenCloseTip=false\nExitWhenClose=true\n' \
    >"$XDG_CONFIG_HOME/Olvex/Free Mirelo.conf"
  "$here/build/bin/mirelo" >"$work/program.log" 2>&1 &
  ppid=$!
  frame=$(main_window "$ppid" 1900)
  [ -n "$frame" ] || { echo "the program's main window did not show" >&2; cat "$work/program.log"; exit 1; }
  measure() { # measure LABEL: the figures over $idleSeconds
    switches "$ppid" >"$work/s0"; sleep "$idleSeconds"; switches "$ppid" >"$work/s1"
    echo "program: $1 $(wakeups "$work/s0" "$work/s1" "$idleSeconds") wake-ups/s over $idleSeconds s (all threads)"
    echo "  by thread: $(per_thread "$work/s0" "$work/s1" "$idleSeconds")"
  }
  sleep 10 # the start's own work done
  measure "idle on its home page"
  # Record Screen, then Full Screen from its menu: the record page.
  for _ in $(seq 20); do
    eval "$(xdotool getwindowgeometry --shell "$frame")"
    n=$(xdotool search --onlyvisible --pid "$ppid" | wc -l)
    xdotool mousemove $((X + 154)) $((Y + 123)) click 1
    sleep 1
    [ "$(xdotool search --onlyvisible --pid "$ppid" | wc -l)" -gt "$n" ] && break
  done
  xdotool key Down Return
  sleep 5
  measure "idle on the record page (silence)"
  ffmpeg -v error -f lavfi -i "anoisesrc=a=0.3:d=$((idleSeconds + 20))" -ac 2 -y "$work/noise.wav"
  paplay --latency-msec=20 -d mirelo_null_sink "$work/noise.wav" &
  noise=$!
  sleep 3
  measure "idle on the record page (noise playing)"
  kill "$noise" "$ppid" 2>/dev/null
  wait "$ppid" 2>/dev/null
  exit 0
fi
tools=$here/build/tools/bin
for t in mirelo-rec moving-content; do
  [ -x "$tools/$t" ] || { echo "missing $tools/$t: build first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/mirelo-bench.XXXXXX")
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xpid=$!
pids+=("$xpid")
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display")
"$tools/moving-content" $content &
pids+=($!)
sleep 1

# The engine's software encoder settings (B-frames as the preset gives them,
# a keyframe every ten seconds), given to FFmpeg too.
preset=${MIRELO_X264_PRESET:-veryfast}
crf=23

ticks() { # utime+stime of a process in clock ticks
  awk '{print $14 + $15}' "/proc/$1/stat"
}
hz=$(getconf CLK_TCK)

# run NAME FPS: records $seconds seconds into $work/NAME-FPS-ROUND.mp4
run() {
  local name=$1 fps=$2 round=$3 out="$work/$1-$2-$3.mp4"
  local x0 x1 cpu
  x0=$(ticks "$xpid")
  : >"$work/rec.log"
  if [ "$name" = engine ]; then
    MIRELO_ENGINE_LOG="$work/rec.log" /usr/bin/time -f "%U %S %M" -o "$work/time" \
      "$tools/mirelo-rec" --rect 0,0,1920,1080 --fps "$fps" --seconds "$seconds" --quality 1 --cursor "$out" \
      >>"$work/rec.log" 2>&1
  else
    /usr/bin/time -f "%U %S %M" -o "$work/time" \
      ffmpeg -nostdin -v error -stats -y -f x11grab -framerate "$fps" -video_size 1920x1080 -draw_mouse 1 \
      -t "$seconds" -i "$DISPLAY+0,0" -c:v libx264 -preset "$preset" -crf "$crf" -g "$(( ${fps%.*} * 10 ))" -pix_fmt yuv420p \
      "$out" >"$work/rec.log" 2>&1
  fi
  x1=$(ticks "$xpid")
  python3 - "$out" "$fps" "$seconds" "$(cat "$work/time")" "$(( x1 - x0 ))" "$hz" "$name" "$work/rec.log" <<'PY'
import json, re, subprocess, sys
out, fps, secs, times, xticks, hz, name, log = sys.argv[1:]
fps, secs, hz = float(fps), float(secs), float(hz)
user, system, peak = (float(v) for v in times.split()[-3:])
cpu = user + system + int(xticks) / hz
pk = json.loads(subprocess.run(
    ["ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries", "packet=pts_time",
     "-show_entries", "format=duration,size", "-of", "json", out],
    capture_output=True, text=True).stdout)
pts = sorted(float(p["pts_time"]) for p in pk.get("packets", []) if "pts_time" in p)
dur = float(pk["format"]["duration"])
gap = max((b - a for a, b in zip(pts, pts[1:])), default=0)
size = int(pk["format"]["size"])
calls = ""
text = open(log, errors="replace").read()
# Frames that show the previous picture again because the recorder could
# not take the tick's own in time: the engine's "repeated", FFmpeg's "dup".
m = re.search(r"\((\d+) unchanged, (\d+) repeated\)", text) if name == "engine" else None
dups = re.findall(r"dup=\s*(\d+)", text)
repeats = m.group(2) if m else (dups[-1] if dups else "0")
after = re.search(r"rss_kb=(\d+)", text) if name == "engine" else None
memory = f"  peak {peak / 1024:6.1f} MB after stop " + (f"{int(after.group(1)) / 1024:6.1f} MB" if after else "  (exits)")
if name == "engine":  # how long the program's thread waits in start and stop
    m1, m2 = re.search(r"start_ms=([\d.]+)", text), re.search(r"stop_ms=([\d.]+)", text)
    if m1 and m2:
        calls = f"  start {float(m1.group(1)):5.1f} ms  stop {float(m2.group(1)):5.1f} ms"
print(f"{name:7s} {int(fps):3d} fps  cpu/s {cpu / dur:6.3f}  frames {len(pts):5d}/{round(dur * fps):5d}"
      f" ({int(repeats):3d} repeated)  max gap {gap * 1000:6.1f} ms ({gap * fps:4.2f} frames)  size {size / 1e6:7.2f} MB"
      f"  rate {size * 8 / 1e6 / dur:6.2f} Mb/s{memory}{calls}")
PY
}

case "$content" in
  --scroll) what="moving and scrolling" ;;
  --still) what="still" ;;
  *) what="moving" ;;
esac
# CPU figures are per process, but a busy machine still moves them: the
# load average is printed before and after.
echo "content: $what; preset $preset, crf $crf, ${seconds}s per run, $rounds rounds, $(nproc) cores," \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"
for fps in $rates; do
  for round in $(seq "$rounds"); do
    if [ $((round % 2)) = 1 ]; then order="engine ffmpeg"; else order="ffmpeg engine"; fi
    for name in $order; do run "$name" "$fps" "$round" | tee -a "$work/results"; done
  done
done
echo "--- medians (load $(cut -d' ' -f1-3 /proc/loadavg))"
python3 - "$work/results" <<'PY'
import re, statistics, sys
rows, sizes, kept, peaks = {}, {}, {}, {}
for line in open(sys.argv[1]):
    p = re.match(r"(\w+)\s+(\d+) fps.*peak\s+([\d.]+) MB", line)
    if p:
        peaks.setdefault((p.group(2), p.group(1)), []).append(float(p.group(3)))
    k = re.match(r"(\w+)\s+(\d+) fps.*frames\s+(\d+)/\s*(\d+) \(\s*(\d+) repeated\)", line)
    if k:
        kept.setdefault((k.group(2), k.group(1)), []).append(f"{k.group(3)}/{k.group(4)} ({k.group(5)})")
    m = re.match(r"(\w+)\s+(\d+) fps\s+cpu/s\s+([\d.]+)", line)
    if m:
        rows.setdefault((m.group(2), m.group(1)), []).append(float(m.group(3)))
    z = re.match(r"(\w+)\s+(\d+) fps.*size\s+([\d.]+) MB\s+rate\s+([\d.]+) Mb/s", line)
    if z:
        sizes.setdefault((z.group(2), z.group(1)), []).append((float(z.group(3)), float(z.group(4))))
for fps in sorted({k[0] for k in rows}, key=int):
    e = statistics.median(rows.get((fps, "engine"), [0]))
    f = statistics.median(rows.get((fps, "ffmpeg"), [0]))
    ratio = e / f if f else float("nan")
    # Sizes compared per recorded second: a recorder that fell behind wrote
    # a shorter file.
    es = statistics.median(v[0] for v in sizes.get((fps, "engine"), [(0, 0)]))
    fs = statistics.median(v[0] for v in sizes.get((fps, "ffmpeg"), [(0, 0)]))
    er = statistics.median(v[1] for v in sizes.get((fps, "engine"), [(0, 0)]))
    fr = statistics.median(v[1] for v in sizes.get((fps, "ffmpeg"), [(0, 0)]))
    sratio = er / fr if fr else float("nan")
    print(f"{fps} fps: engine {e:.3f} cpu-s/s, ffmpeg {f:.3f} cpu-s/s, ratio {ratio:.2f}; "
          f"size engine {es:.2f} MB ({er:.2f} Mb/s), ffmpeg {fs:.2f} MB ({fr:.2f} Mb/s), ratio {sratio:.2f}")
    ep = statistics.median(peaks.get((fps, "engine"), [0]))
    fp = statistics.median(peaks.get((fps, "ffmpeg"), [0]))
    print(f"{fps} fps peak resident memory: engine {ep:.1f} MB, ffmpeg {fp:.1f} MB")
    print(f"{fps} fps frames kept per round (repeated): engine {' '.join(kept.get((fps, 'engine'), []))}; "
          f"ffmpeg {' '.join(kept.get((fps, 'ffmpeg'), []))}")
PY

[ "$cycles" -gt 0 ] || exit 0

rss() { awk '/^VmRSS/{printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
stage_running() { grep -qx mirelo-capture /proc/"$1"/task/*/comm 2>/dev/null; }

echo "--- $cycles recordings of 3 s in one program session (1920x1080 at 60 fps, load $(cut -d' ' -f1-3 /proc/loadavg))"
user=$work/user
mkdir -p "$user/home" "$user/config/Olvex" "$user/data" "$user/cache" "$user/runtime"
chmod 700 "$user/runtime"
printf '[Recording]\nAutoOpenHistory=false\nShowCountdown=false\n[Output]\nVideoFrameRate=11\n[Others]\nExitWhenCloseTip=false\nExitWhenClose=true\n' \
  >"$user/config/Olvex/Free Mirelo.conf"
HOME=$user/home XDG_CONFIG_HOME=$user/config XDG_DATA_HOME=$user/data XDG_CACHE_HOME=$user/cache \
  XDG_RUNTIME_DIR=$user/runtime "$here/build/bin/mirelo" >"$work/program.log" 2>&1 &
ppid=$!
pids+=("$ppid")
frame=$(main_window "$ppid" 1900)
[ -n "$frame" ] || { echo "the program's main window did not show" >&2; exit 1; }
sleep 10 # the start's own work done
switches "$ppid" >"$work/switches0"; sleep 60; switches "$ppid" >"$work/switches1"
idle=$(wakeups "$work/switches0" "$work/switches1" 60)
# Record Screen, then Full Screen from its menu (each step once it shows).
for _ in $(seq 20); do
  eval "$(xdotool getwindowgeometry --shell "$frame")"
  n=$(xdotool search --onlyvisible --pid "$ppid" | wc -l)
  xdotool mousemove $((X + 154)) $((Y + 123)) click 1
  sleep 1
  [ "$(xdotool search --onlyvisible --pid "$ppid" | wc -l)" -gt "$n" ] && break
done
xdotool key Down Return
sleep 3
videos=$user/home/Documents/Olvex/Free\ Mirelo/Video
echo "program: before the first $(rss "$ppid") MB"
for i in $(seq "$cycles"); do
  xdotool key ctrl+alt+s
  for _ in $(seq 100); do stage_running "$ppid" && break; sleep 0.1; done
  sleep 3
  xdotool key ctrl+alt+s
  for _ in $(seq 150); do
    [ "$(ls "$videos" 2>/dev/null | wc -l)" -ge "$i" ] && ! stage_running "$ppid" && break
    sleep 0.2
  done
  sleep 1
  echo "program: after recording $i $(rss "$ppid") MB ($(ls "$videos" 2>/dev/null | wc -l) files)"
done
echo "program: peak resident memory $(awk '/^VmHWM/{printf "%.1f", $2 / 1024}' "/proc/$ppid/status") MB"
kill "$ppid"
echo "program: idle on its home page $idle wake-ups/s over 60 s (all threads)"

echo "--- $cycles recordings of 3 s in one engine session (mirelo-rec, 1920x1080 at 60 fps)"
"$tools/mirelo-rec" --rect 0,0,1920,1080 --fps 60 --seconds 3 --quality 1 --cursor --repeat "$cycles" \
  "$work/cycle.mp4" | awk -F'rss_(before_)?kb=' '/rss_before_kb/{printf "engine: before the first %.1f MB\n", $2 / 1024}
  /rss_kb/{n++; printf "engine: after recording %d %.1f MB\n", n, $2 / 1024}'
