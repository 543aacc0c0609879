#!/usr/bin/env python3
"""Makes the game's nine event sounds (assets/waves/*.wav).

Each sound is a short tune of soft bell-like notes (a few harmonics with a
quick attack and an exponential fade), 22 050 Hz, 16-bit mono. The tunes
differ in direction, rhythm and register so that the events are easy to tell
apart by ear:

  @ステージ.wav  stage start     rising four-note call
  @問題.wav      question         two-note chime, high then low
  @正解.wav      right answer     bright quick rising pair
  @はずれ.wav    wrong answer     low falling buzz
  @クリア.wav    stage end        short three-note cadence
  @合格.wav      stage cleared    major arpeggio ending on a held chord
  @残念.wav      stage failed     slow falling minor steps
  @End1.wav      all cleared      longer fanfare
  @End2.wav      good-bye         gentle falling arpeggio

Run: python3 assets/make-waves.py   (standard library only)
"""
import math
import os
import struct
import wave

RATE = 22050
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "waves")

NOTE_INDEX = {"C": -9, "C#": -8, "D": -7, "D#": -6, "E": -5, "F": -4, "F#": -3,
              "G": -2, "G#": -1, "A": 0, "A#": 1, "B": 2}


def freq(name):
    """Frequency of a note name such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    pitch, octave = name[:-1], int(name[-1])
    return 440.0 * 2 ** ((NOTE_INDEX[pitch] + 12 * (octave - 4)) / 12)


def tone(f, seconds, timbre="bell", volume=0.5):
    """One note as a list of floats in -1..1."""
    n = int(RATE * seconds)
    attack = int(RATE * 0.006)
    if timbre == "bell":
        partials = [(1, 1.0), (2, 0.35), (3, 0.12), (4.2, 0.06)]
        decay = 3.2 / seconds
    elif timbre == "soft":
        partials = [(1, 1.0), (2, 0.15)]
        decay = 2.0 / seconds
    else:  # "buzz": a dull square-like tone for the wrong answer
        partials = [(k, 1.0 / k) for k in (1, 3, 5, 7, 9)]
        decay = 1.2 / seconds
    total = sum(a for _, a in partials)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, i / attack) * math.exp(-decay * t)
        # A short fade at the very end avoids a click.
        env *= min(1.0, (n - i) / (RATE * 0.01))
        s = sum(a * math.sin(2 * math.pi * f * k * t) for k, a in partials) / total
        out.append(volume * env * s)
    return out


def mix(*tracks):
    n = max(len(t) for t in tracks)
    return [sum(t[i] for t in tracks if i < len(t)) for i in range(n)]


def tune(notes, timbre="bell", volume=0.5):
    """notes: (start seconds, note name or names, length seconds)."""
    tracks = []
    for start, names, length in notes:
        if isinstance(names, str):
            names = [names]
        for name in names:
            pad = [0.0] * int(RATE * start)
            tracks.append(pad + tone(freq(name), length, timbre, volume / len(names) ** 0.5))
    return mix(*tracks)


def write(name, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.85 / peak if peak > 0.85 else 1.0
    frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s * scale)) * 32767)) for s in samples)
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


SOUNDS = {
    "@ステージ.wav": tune([(0.00, "C5", 0.25), (0.12, "E5", 0.25), (0.24, "G5", 0.25), (0.36, "C6", 0.6)]),
    "@問題.wav": tune([(0.00, "A5", 0.45), (0.22, "E5", 0.6)], volume=0.45),
    "@正解.wav": tune([(0.00, "E6", 0.2), (0.09, "A6", 0.5)]),
    "@はずれ.wav": tune([(0.00, "D3", 0.28), (0.22, "A#2", 0.5)], timbre="buzz", volume=0.4),
    "@クリア.wav": tune([(0.00, "G5", 0.2), (0.15, "B5", 0.2), (0.30, "D6", 0.6)], timbre="soft"),
    "@合格.wav": tune([(0.00, "C5", 0.2), (0.10, "E5", 0.2), (0.20, "G5", 0.2), (0.30, "C6", 0.3),
                       (0.45, ["C5", "E5", "G5", "C6"], 0.9)]),
    "@残念.wav": tune([(0.00, "E4", 0.45), (0.35, "D#4", 0.45), (0.70, "D4", 0.45), (1.05, "C#4", 0.9)],
                      timbre="soft", volume=0.45),
    "@End1.wav": tune([(0.00, "G4", 0.2), (0.15, "C5", 0.2), (0.30, "E5", 0.2), (0.45, "G5", 0.4),
                       (0.75, "E5", 0.2), (0.90, "G5", 0.2), (1.05, ["C5", "E5", "G5", "C6"], 1.2)]),
    "@End2.wav": tune([(0.00, "C6", 0.4), (0.20, "G5", 0.4), (0.40, "E5", 0.4), (0.60, "C5", 0.9)],
                      timbre="soft", volume=0.45),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, samples in SOUNDS.items():
        write(name, samples)
        print(f"{name}: {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()
