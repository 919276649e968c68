#!/usr/bin/python3
"""Measures what the window played in the dialog probe's practice run, from SDL's disk driver
capture (32-bit float mono frames at 44.1 kHz): C major up on loop, a bar of four count-in clicks,
the click on every beat at 80 %, the speed trainer from 60 to 100 BPM, 4 up every 2 passes.

- Onsets: the beats the run must play are worked out from those settings alone (each a whole
  number of milliseconds, 60000 / BPM truncated, after the one before, on the first frame at or
  after that moment); at each, the note's sample with its click (or the click alone) is fitted
  to the capture 300 frames either way, and the best fit's distance is the onset's error.
- Edges: the largest second difference (how far a frame lies from the straight line through the
  two before it) at each beat's first frames, against the sound's own in the 5 ms before.
- Levels: each note's RMS over its first 100 ms, the count-in clicks' peaks, the capture's peak.

Usage: practice_capture.py CAPTURE.raw SOUNDS_DIR FRAMES
FRAMES: the frames from the first sound up to Stop It (what the probe compared).
"""
import glob
import sys
import wave

import numpy as np

RATE = 44100
FIT = 1024  # frames fitted at each beat
SEARCH = 300


def read_wav(path):
    with wave.open(path) as w:
        return np.frombuffer(w.readframes(w.getnframes()), '<i2') / 32768.0


def schedule(until_ms):
    """(ms from the start, sample entry or None for a count-in click, accented) of every beat."""
    period = lambda bpm: 60000 // bpm
    beats = []
    ms = period(60)
    for k in range(4):
        beats.append((ms, None, k % 4 == 0))
        ms += period(60)
    passes = 0
    while ms < until_ms:
        bpm = min(60 + 4 * (passes // 2), 100)
        for entry in (3, 5, 7, 8, 10, 12, 14, 15):  # C3 D3 E3 F3 G3 A3 B3 C4
            beats.append((ms, entry, len(beats) % 4 == 0))
            ms += period(bpm)
        passes += 1
    return beats


def main():
    x = np.fromfile(sys.argv[1], dtype='<f4').astype(np.float64)
    sounds = sys.argv[2]
    played = int(sys.argv[3])
    plucks = [read_wav(f) for f in sorted(glob.glob(f"{sounds}/pluck-*.wav"))]
    tick = read_wav(f"{sounds}/click.wav") * 0.8
    accent = read_wav(f"{sounds}/click-accent.wav") * 0.8

    def fit(at, template):
        t = template[:FIT]
        best, lag = -2.0, 0
        for d in range(-SEARCH, SEARCH + 1):
            s = x[at + d:at + d + FIT]
            if len(s) < FIT:
                continue
            c = np.dot(s, t) / (np.linalg.norm(s) * np.linalg.norm(t) + 1e-12)
            if c > best:
                best, lag = c, d
        return lag, best

    frame = lambda ms: -(-ms * 441 // 10)
    beats = schedule(played * 1000 // RATE + 2000)
    nominal = [frame(ms) - frame(beats[0][0]) for ms, _, _ in beats]
    first = int(np.argmax(np.abs(x) > 0))
    lag, _ = fit(max(first - 40, 0), accent)
    origin = max(first - 40, 0) + lag
    errors, fits, clicks = [], [], 0
    for (ms, entry, accented), f in zip(beats, nominal):
        if f + FIT + SEARCH > played:
            break
        template = (accent if accented else tick)[:FIT].copy()
        if entry is None:
            clicks += 1
        else:
            note = plucks[entry][:FIT].copy()
            note[:len(template)] += template
            template = note
        d, c = fit(origin + f, template)
        errors.append(abs(d))
        fits.append(c)
    checked = len(errors)
    errors = np.array(errors)
    print(f"capture {len(x) / RATE:.1f} s, {played / RATE:.1f} s up to Stop It; {checked} beats "
          f"of the schedule ({clicks} count-in clicks): onset |error| p50 "
          f"{np.percentile(errors, 50):.0f}, p100 {errors.max()} frames; fit at the onset "
          f"(correlation) min {min(fits):.4f}")

    jump = np.concatenate([[0.0, 0.0], np.abs(x[2:] - 2 * x[1:-1] + x[:-2])])
    starts = [origin + f for f in nominal[:checked]]
    edge = max(jump[s - 2:s + 3].max() for s in starts)
    own = max(jump[s - 222:s - 2].max() for s in starts[1:])
    print(f"jump at the beats' edges p100 {100 * edge:.2f} % of full scale; the sound's own in "
          f"the 5 ms before a beat {100 * own:.2f} %")

    rms = []
    for i, ((ms, entry, _), s) in enumerate(zip(beats[:checked], starts)):
        if entry is not None and i + 1 < checked:
            end = min(starts[i + 1], s + RATE // 10)
            rms.append(20 * np.log10(np.sqrt(np.mean(x[s:end] ** 2))))
    counts = [20 * np.log10(np.abs(x[s:s + 2000]).max()) for s in starts[:clicks]]
    peak = np.abs(x[:origin + played]).max()
    print(f"each note with its click, RMS of the first 100 ms: {min(rms):.2f} .. {max(rms):.2f} "
          f"dBFS; count-in click peaks {', '.join(f'{c:.1f}' for c in counts)} dBFS; peak "
          f"{100 * peak:.1f} % of full scale, {int(np.sum(np.abs(x) >= 1.0))} frames at full "
          f"scale")


if __name__ == '__main__':
    main()
