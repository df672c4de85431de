#!/usr/bin/env python3
"""Reads a recording of av-stimulus and reports how far its sound and its
picture are apart, beep by beep.

    av_sync_analysis.py FILE [LABEL] [-v] [--window SECONDS]

The sound gives each beep's onset in file time. Every picture shows how
long after the last beep it was taken (the bar), so each picture implies the
file time of that beep; the median over the pictures of a second is the
picture's beep. offset = sound's beep - picture's beep: positive when the
sound comes late. Pictures further than the window (default 0.45 s) from
any beep are left out (after a pause their beep may be missing from the
sound). Prints one line per beep with -v, then a summary line.
"""
import re
import subprocess
import sys


def beep_onsets(path):
    out = subprocess.run(
        ["ffmpeg", "-hide_banner", "-nostats", "-copyts", "-i", path, "-map", "0:a:0",
         "-af", "highpass=f=1000,highpass=f=1000,silencedetect=n=-20dB:d=0.3", "-f", "null", "-"],
        capture_output=True, text=True).stderr
    return [float(m) for m in re.findall(r"silence_end: (-?[0-9.]+)", out)]


def frame_size(path):
    out = subprocess.run(["ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries",
                          "stream=width,height", "-of", "csv=p=0", path], capture_output=True, text=True).stdout
    w, h = out.strip().split(",")[:2]
    return int(w), int(h)


def bar_phases(path):
    """(pts, phase) of every picture; phase in 0..1 s since the last beep."""
    w, h = frame_size(path)
    row = h * 11 // 12  # inside the bar
    p = subprocess.run(
        ["ffmpeg", "-hide_banner", "-nostats", "-copyts", "-i", path, "-map", "0:v:0", "-vsync", "passthrough",
         "-vf", f"crop={w}:2:0:{row},scale={w}:1,format=gray,showinfo", "-f", "rawvideo", "-"],
        capture_output=True)
    times = [float(t) for t in re.findall(rb"pts_time:(-?[0-9.]+)", p.stderr)]
    data = p.stdout
    table = bytes(1 if v >= 128 else 0 for v in range(256))
    frames = []
    for i, t in enumerate(times):
        line = data[i * w:(i + 1) * w]
        if len(line) < w:
            break
        bits = line.translate(table)
        edge = bits.find(b"\x00")
        if edge < 0:
            edge = w
        frames.append((t, edge / w))
    return frames


def main():
    args = sys.argv[1:]
    window = 0.45
    if "--window" in args:
        i = args.index("--window")
        window = float(args[i + 1])
        del args[i:i + 2]
    verbose = "-v" in args
    args = [a for a in args if a != "-v"]
    path = args[0]
    label = args[1] if len(args) > 1 else path
    beeps = beep_onsets(path)
    frames = bar_phases(path)
    if len(beeps) < 3 or not frames:
        print(f"{label}: no beeps or pictures found ({len(beeps)} beeps, {len(frames)} pictures)")
        return 1
    per_beep = {}
    for t, phase in frames:
        if phase < 0.05 or phase > 0.95:
            continue  # near the wrap the bar is ambiguous
        implied = t - phase
        k = min(range(len(beeps)), key=lambda i: abs(beeps[i] - implied)) if len(beeps) < 50 else None
        if k is None:
            # beeps are a second apart: find the nearest by bisection
            lo, hi = 0, len(beeps) - 1
            while hi - lo > 1:
                mid = (lo + hi) // 2
                if beeps[mid] < implied:
                    lo = mid
                else:
                    hi = mid
            k = lo if abs(beeps[lo] - implied) <= abs(beeps[hi] - implied) else hi
        if abs(beeps[k] - implied) < window:
            per_beep.setdefault(k, []).append(beeps[k] - implied)
    rows = []
    for k in sorted(per_beep):
        v = sorted(per_beep[k])
        rows.append((beeps[k], v[len(v) // 2] * 1000.0))
    if verbose:
        for t, off in rows:
            print(f"{label} beep at {t:9.3f} s: offset {off:+7.1f} ms")
    n = len(rows)
    xs = [t / 60.0 for t, _ in rows]
    ys = [o for _, o in rows]
    mx, my = sum(xs) / n, sum(ys) / n
    sxx = sum((x - mx) ** 2 for x in xs)
    slope = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sxx if sxx > 0 else 0.0
    worst = max(ys, key=abs)
    first = [o for t, o in rows if t < rows[0][0] + 60]
    last = [o for t, o in rows if t > rows[-1][0] - 60]
    print(f"{label}: {n} beeps over {(rows[-1][0] - rows[0][0]) / 60:.1f} min; largest offset {worst:+.1f} ms; "
          f"drift {slope:+.2f} ms/min; mean offset first minute {sum(first) / len(first):+.1f} ms, "
          f"last minute {sum(last) / len(last):+.1f} ms (positive: sound late)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
