#!/usr/bin/env python3
"""Reads a recording of av-stimulus and reports how far its sound and its
picture are apart, beep by beep.

    av_sync_analysis.py FILE [LABEL] [-v]

The stimulus flashes and beeps at irregular instants of a fixed sequence
(stimulus_times, the same as av-stimulus.c draws). The sound gives each
beep's onset in file time, read as a player plays it: sample after sample
from the track's start, so a hole in the track's timestamps pulls what
follows it earlier, as it does for the listener. Every picture shows how
long after the last beep it was taken (the bar), so the pictures after a
flash give the file time of that flash (their median). Flashes and beeps
are then each told apart by the pattern of the intervals that follow them
(or, before a stall or at the end, that precede them), matched against the
sequence: a flash is paired with its own beep, never with the nearest one,
so a sound shifted by whole seconds shows as shifted. offset = beep -
flash: positive when the sound comes late.

A stretch of more than a second without a new picture is a stall (the
recorder was stopped), more than a second of the stimulus missing between
two flashes a long pause: the offsets before and after the longest of
these are reported apart, with how many of the flashes after it found
their beep. The lengths of the picture and the sound close the report (the
sound's both as its track says and as its samples play, with the holes in
its timestamps). Prints one line per pair with -v.
"""
import bisect
import math
import re
import statistics
import subprocess
import sys

BAR_SECONDS = 2.0  # the bar's full width, as av-stimulus.c draws it
TOLERANCE = 0.035  # how far an interval in the file may be from the sequence's


def stimulus_times(until):
    """The stimulus's beeps, in seconds after its first, up to `until`."""
    x = 20240611
    t, out = 0.0, []
    while t <= until:
        out.append(t)
        x = (1103515245 * x + 12345) & 0x7fffffff
        t += (600 + (x >> 8) % 1001) / 1000.0
    return out


def beep_onsets(path):
    """File times of the beeps' onsets, the sound read as a player plays it:
    its samples one after another from the track's start (a hole in the
    track's timestamps does not delay what follows it)."""
    out = subprocess.run(
        ["ffmpeg", "-hide_banner", "-nostats", "-copyts", "-i", path, "-map", "0:a:0",
         "-af", "asetpts=STARTPTS+N/SR/TB,highpass=f=1000,highpass=f=1000,silencedetect=n=-20dB:d=0.3",
         "-f", "null", "-"],
        capture_output=True, text=True).stderr
    return [float(m) for m in re.findall(r"silence_end: (-?[0-9.]+)", out)]


def sound_samples(path):
    """Seconds of sound the track's packets hold, and the seconds its
    timestamps skip (holes a player closes up)."""
    out = subprocess.run(["ffprobe", "-v", "error", "-select_streams", "a:0", "-show_entries",
                          "stream=codec_name,sample_rate:packet=pts_time", "-of", "csv=p=0", path],
                         capture_output=True, text=True).stdout
    rate, size, times = 0, 1024, []
    for line in out.splitlines():
        f = line.split(",")
        if len(f) == 2 and not f[0].replace(".", "").replace("-", "").isdigit():
            rate = int(f[1])
            size = 1152 if f[0] == "mp3" else 1024
        elif f[0] not in ("", "N/A"):
            times.append(float(f[0]))
    if not rate or not times:
        return 0.0, 0.0
    frame = size / rate
    holes = sum(max(0.0, b - a - frame) for a, b in zip(times, times[1:]))
    return len(times) * frame, holes


def streams(path):
    """{codec_type: (width, height, duration)} of the file's first streams."""
    out = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "stream=codec_type,width,height,duration",
                          "-of", "csv=p=0", path], capture_output=True, text=True).stdout
    found = {}
    for line in out.splitlines():
        f = line.split(",")
        if f[0] == "video" and "video" not in found:
            found["video"] = (int(f[1]), int(f[2]), float(f[3]) if f[3] not in ("", "N/A") else 0.0)
        elif f[0] == "audio" and "audio" not in found:
            found["audio"] = (0, 0, float(f[-1]) if f[-1] not in ("", "N/A") else 0.0)
    return found


def bar_pictures(path, w, h):
    """(pts, seconds since the last beep) of every picture that differs from
    the one before it (a picture repeated over a stall tells nothing new)."""
    row = h * 11 // 12  # inside the bar
    p = subprocess.run(
        ["ffmpeg", "-hide_banner", "-nostats", "-copyts", "-i", path, "-map", "0:v:0", "-vsync", "passthrough",
         "-vf", f"crop={w}:2:0:{row},scale={w}:1,format=gray,showinfo", "-f", "rawvideo", "-"],
        capture_output=True)
    times = [float(t) for t in re.findall(rb"pts_time:(-?[0-9.]+)", p.stderr)]
    data = p.stdout
    table = bytes(1 if v >= 128 else 0 for v in range(256))
    pictures, last = [], None
    for i, t in enumerate(times):
        line = data[i * w:(i + 1) * w]
        if len(line) < w:
            break
        edge = line.translate(table).find(b"\x00")
        if edge < 0:
            edge = w
        if edge != last and 0 < edge < w:  # no bar yet, or past the last beep
            pictures.append((t, edge / w * BAR_SECONDS))
        last = edge
    return pictures


def flashes(pictures):
    """File times of the flashes the pictures imply (those seen in at least
    two pictures), and the longest stretch without a new picture."""
    implied = sorted(t - since for t, since in pictures)
    groups = []
    for x in implied:
        if groups and x - groups[-1][-1] < 0.25:
            groups[-1].append(x)
        else:
            groups.append([x])
    stall = (0.0, 0.0)
    for (a, _), (b, _) in zip(pictures, pictures[1:]):
        if b - a > stall[1]:
            stall = (a, b - a)
    return [statistics.median(g) for g in groups if len(g) >= 2], stall


def identify(times, sequence):
    """For each event time (file time), its index in the sequence, or None.
    Each index the event may have puts the sequence against the file at one
    offset; the events that follow it vote for the offsets at which the
    sequence has an event where they lie (those before it, when too few
    follow it within 20 s: before a stall, at the end). The index of the one
    offset most of them vote for, alone at the top, is the event's: one
    misread neighbour, or a missing one, does not hide it. It stands if two
    of its identified neighbours put the sequence at the same offset."""
    def near(x):
        i = bisect.bisect_left(sequence, x - TOLERANCE)
        return i < len(sequence) and sequence[i] <= x + TOLERANCE

    out = []
    for i, t in enumerate(times):
        after = [u for u in times[i + 1:i + 7] if u - t < 20.0]
        before = [u for u in times[max(0, i - 6):i] if t - u < 20.0]
        # The recording starts a few seconds into the stimulus; pauses (and
        # a sound seconds early) put the sequence further ahead.
        lo = bisect.bisect_left(sequence, t - 10.0)
        hi = bisect.bisect_right(sequence, t + 90.0)
        found = None
        for group in (after, before):
            need = max(3, math.ceil(0.6 * len(group)))
            if len(group) < need:
                continue
            votes = sorted(((sum(1 for u in group if near(u + sequence[k] - t)), k) for k in range(lo, hi)),
                           reverse=True)
            if votes and votes[0][0] >= need and (len(votes) == 1 or votes[1][0] < votes[0][0]):
                found = votes[0][1]
                break
        out.append(found)
    # An event whose neighbours voted for an index by chance (its own time
    # misread, so its true index had no votes) puts the sequence at an
    # offset none of its identified neighbours share: left out.
    kept = []
    for i, k in enumerate(out):
        if k is not None:
            d = sequence[k] - times[i]
            alike = sum(1 for j in range(max(0, i - 3), min(len(out), i + 4))
                        if j != i and out[j] is not None and abs(sequence[out[j]] - times[j] - d) < 2 * TOLERANCE)
            if alike < 2:
                k = None
        kept.append(k)
    return kept


def by_index(times, indices):
    """index -> file time; where two share an index (a pause cut the flash's
    pictures in two), the earliest."""
    out = {}
    for t, k in zip(times, indices):
        if k is not None and k not in out:
            out[k] = t
    return out


def summary(rows):
    """median, spread (largest - smallest) and drift (ms a minute) of (t, offset ms) rows."""
    ys = [o for _, o in rows]
    n = len(rows)
    xs = [t / 60.0 for t, _ in rows]
    mx, my = sum(xs) / n, sum(ys) / n
    sxx = sum((x - mx) ** 2 for x in xs)
    slope = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sxx if sxx > 0 else 0.0
    return statistics.median(ys), max(ys) - min(ys), slope


def main():
    args = sys.argv[1:]
    verbose = "-v" in args
    args = [a for a in args if a != "-v"]
    path = args[0]
    label = args[1] if len(args) > 1 else path
    info = streams(path)
    if "video" not in info:
        print(f"{label}: no picture")
        return 1
    w, h, video_s = info["video"]
    audio_s = info.get("audio", (0, 0, 0.0))[2]
    pictures = bar_pictures(path, w, h)
    flash_times, stall = flashes(pictures)
    # A track that ends in silence reports its end as the end of a silence.
    beeps = [t for t in beep_onsets(path) if t < audio_s - 0.05]
    if len(beeps) < 5 or len(flash_times) < 5:
        print(f"{label}: too few beeps or flashes ({len(beeps)} beeps, {len(flash_times)} flashes)")
        return 1
    sequence = stimulus_times(max(flash_times + beeps) + 100.0)
    flash_at = by_index(flash_times, identify(flash_times, sequence))
    beep_at = by_index(beeps, identify(beeps, sequence))
    rows = [(flash_at[k], (beep_at[k] - flash_at[k]) * 1000.0, k) for k in sorted(flash_at) if k in beep_at]
    if verbose:
        for t, off, k in rows:
            print(f"{label} beep at {beep_at[k]:9.3f} s: offset {off:+7.1f} ms (flash {k} at {t:.3f} s)")
    if len(rows) < 3:
        print(f"{label}: {len(flash_times)} flashes, {len(beeps)} beeps, only {len(rows)} paired")
        return 1
    pairs = [(t, off) for t, off, _ in rows]
    median, spread, drift = summary(pairs)
    worst = max((o for _, o in pairs), key=abs)
    print(f"{label}: {len(rows)} of {len(flash_at)} flashes paired with their beeps ({len(beep_at)} beeps known) "
          f"over {(pairs[-1][0] - pairs[0][0]) / 60:.1f} min; offset median {median:+.1f} ms, "
          f"spread {spread:.1f} ms, largest {worst:+.1f} ms, drift {drift:+.2f} ms/min (positive: sound late)")
    # Where the file leaves out more than a second of the stimulus (a long
    # pause): between two flashes the sequence runs on further than the file.
    ks = sorted(flash_at)
    cut = max(((sequence[b] - sequence[a]) - (flash_at[b] - flash_at[a]), a, b) for a, b in zip(ks, ks[1:]))
    split = None
    if stall[1] > 1.0 and stall[1] >= cut[0]:
        split = stall[0] + 0.05
        # A flash of the stall itself shows only in the bar of the first
        # pictures after it; its beep was never recorded.
        seen_from = stall[0] + stall[1] - 0.05
        what = f"no new picture for {stall[1]:.1f} s from {stall[0]:.1f} s"
    elif cut[0] > 1.0:
        split = (flash_at[cut[1]] + flash_at[cut[2]]) / 2
        what = f"{cut[0]:.1f} s of the stimulus left out at {split:.1f} s (a pause)"
        seen_from = split
    if split is not None:
        early = [r for r in pairs if r[0] < split]
        late_flashes = [k for k in flash_at if flash_at[k] >= seen_from or (k in beep_at and flash_at[k] >= split)]
        late = [r for r in pairs if r[0] >= split]
        line = f"{label}: {what}; "
        if early:
            m, s, _ = summary(early) if len(early) > 1 else (early[0][1], 0.0, 0.0)
            line += f"before: {len(early)} paired, offset median {m:+.1f} ms, spread {s:.1f} ms; "
        if late:
            m = statistics.median(o for _, o in late)
            line += (f"after: first flash {late[0][1]:+.1f} ms, median {m:+.1f} ms, "
                     f"largest {max((o for _, o in late), key=abs):+.1f} ms; ")
        share = len(late) / len(late_flashes) if late_flashes else 0.0
        line += f"{len(late)} of {len(late_flashes)} later flashes paired ({share:.0%})"
        print(line)
    played, holes = sound_samples(path)
    print(f"{label}: picture {video_s:.2f} s, sound {audio_s:.2f} s ({audio_s - video_s:+.2f} s); "
          f"the sound's samples play {played:.2f} s ({played - video_s:+.2f} s), holes in its timestamps {holes:.2f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
