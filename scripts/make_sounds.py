#!/usr/bin/env python3
"""Writes the bundled move sounds: data/move.wav, data/capture.wav, data/castle.wav.

Each sound is a short struck "wooden" body: a few damped partials (the resonance
of a piece meeting the board) under a very short burst of filtered noise (the
contact). Everything is deterministic, so running this again gives the same bytes.

    scripts/make_sounds.py [OUTPUT_FOLDER]      (default: data/ beside this script)
"""
import math
import random
import struct
import sys
import wave
from pathlib import Path

RATE = 44100


def knock(pitch, length, brightness, seed, level=1.0):
    """One knock: damped inharmonic partials over a click of low-passed noise."""
    rng = random.Random(seed)
    n = int(RATE * length)
    # Wood has a strong fundamental and quickly dying upper modes.
    partials = [(1.0, 1.0, 38.0), (2.32, 0.45 * brightness, 70.0), (4.25, 0.2 * brightness, 120.0)]
    out = []
    lp = 0.0
    alpha = 0.15 + 0.5 * brightness  # one-pole low-pass: brighter lets more hiss through
    for i in range(n):
        t = i / RATE
        body = sum(a * math.exp(-d * t) * math.sin(2 * math.pi * pitch * f * t) for f, a, d in partials)
        lp += alpha * (rng.uniform(-1.0, 1.0) - lp)
        click = lp * math.exp(-t * 900.0) * 1.6
        attack = min(1.0, t * RATE / 40.0)  # 1 ms fade-in avoids a pop
        out.append(level * attack * (0.7 * body + click))
    return out


def mix(*parts):
    """Sums (offset seconds, samples) pairs into one track."""
    length = max(int(off * RATE) + len(s) for off, s in parts)
    track = [0.0] * length
    for off, s in parts:
        start = int(off * RATE)
        for i, v in enumerate(s):
            track[start + i] += v
    return track


def write(path, samples, peak=0.55):
    # Normalise to a modest peak so the saver never startles anyone, and end
    # with a short fade so the tail never clicks.
    top = max(abs(v) for v in samples) or 1.0
    fade = int(RATE * 0.01)
    frames = bytearray()
    for i, v in enumerate(samples):
        g = min(1.0, (len(samples) - i) / fade)
        frames += struct.pack("<h", int(round(v / top * peak * g * 32767)))
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "data"
    folder.mkdir(parents=True, exist_ok=True)
    # A plain move: one soft, low knock.
    write(folder / "move.wav", knock(190.0, 0.14, 0.35, seed=1))
    # A capture: the taken piece knocked aside, then the capturer set down harder.
    write(folder / "capture.wav", mix((0.0, knock(520.0, 0.07, 0.9, seed=2, level=0.7)),
                                      (0.075, knock(300.0, 0.15, 0.8, seed=3))))
    # Castling: king and rook, two tones a fourth apart.
    write(folder / "castle.wav", mix((0.0, knock(196.0, 0.16, 0.4, seed=4)),
                                     (0.13, knock(262.0, 0.2, 0.45, seed=5))))


if __name__ == "__main__":
    main()
