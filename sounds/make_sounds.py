#!/usr/bin/env python3
"""Synthesizes the seven game sounds of BRELIKO as 16-bit mono wave files.

    python3 sounds/make_sounds.py [output folder]

Only the standard library is used, and noise comes from a fixed seed, so
running the script again writes the same bytes. The blocker thud (sound5)
and the game-end chord (sound7) hold the game while they play, so they stay
under a second.
"""

import math
import random
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
# Every note fades out over its last moments: a note cut off while still
# loud clicks.
RELEASE = 0.015


def note(name):
    """Frequency of a note such as "C5" or "Eb4" (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    offset = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        offset, rest = offset + 1, rest[1:]
    elif rest.startswith("b"):
        offset, rest = offset - 1, rest[1:]
    octave = int(rest)
    return 440.0 * 2.0 ** ((offset + 12 * (octave - 4)) / 12.0)


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix_into(track, sound, at_seconds, gain=1.0):
    """Adds a sound into a track, starting at a time, growing the track."""
    start = int(at_seconds * RATE)
    end = start + len(sound)
    if end > len(track):
        track.extend([0.0] * (end - len(track)))
    for i, value in enumerate(sound):
        track[start + i] += gain * value


def tone(freq, seconds, partials=(1.0,), attack=0.005, decay=4.0,
         glide_to=None):
    """A tone of harmonic partials under a quick attack and an exponential
    decay; higher partials fade faster, which keeps the tail soft. With
    glide_to the pitch slides to that frequency over the tone's length."""
    count = int(seconds * RATE)
    release = int(RELEASE * RATE)
    out = []
    phase = 0.0
    for i in range(count):
        t = i / RATE
        f = freq if glide_to is None else freq * (glide_to / freq) ** (i / count)
        phase += 2.0 * math.pi * f / RATE
        value = 0.0
        for k, amp in enumerate(partials, start=1):
            value += amp * math.exp(-decay * (k - 1) * 0.5 * t) * math.sin(k * phase)
        envelope = min(1.0, t / attack) * math.exp(-decay * t)
        out.append(value * envelope * min(1.0, (count - i) / release))
    return out


def bell(freq, seconds, decay=3.5):
    """A struck bell: slightly inharmonic partials, the high ones brief."""
    count = int(seconds * RATE)
    release = int(RELEASE * RATE)
    ratios = ((1.0, 1.0, 1.0), (2.0, 0.5, 1.6), (2.76, 0.35, 2.4),
              (5.4, 0.15, 4.0))
    out = []
    for i in range(count):
        t = i / RATE
        value = 0.0
        for ratio, amp, fade in ratios:
            value += amp * math.exp(-decay * fade * t) * math.sin(
                2.0 * math.pi * freq * ratio * t)
        out.append(value * min(1.0, t / 0.002, (count - i) / release))
    return out


def finish(track, peak, tail=0.02):
    """Scales the track to a peak level and fades its last moments out, so
    no sound ends in a click."""
    loudest = max(abs(v) for v in track) or 1.0
    fade = int(tail * RATE)
    out = []
    for i, value in enumerate(track):
        left = len(track) - i
        gain = min(1.0, left / fade) if fade else 1.0
        out.append(value / loudest * peak * gain)
    return out


BRASS = (1.0, 0.55, 0.35, 0.2, 0.1)
PLUCK = (1.0, 0.4, 0.2, 0.1)
WARM = (1.0, 0.3, 0.12)


def startup_fanfare():
    # Three quick rising notes, then the full major chord rings out.
    track = silence(0.95)
    for k, name in enumerate(("C5", "E5", "G5")):
        mix_into(track, tone(note(name), 0.22, BRASS, attack=0.01, decay=6.0),
                 0.11 * k)
    for name in ("C5", "E5", "G5", "C6"):
        mix_into(track, tone(note(name), 0.62, BRASS, attack=0.015, decay=3.5),
                 0.33, 0.8)
    return finish(track, 0.55, tail=0.08)


def new_tiles_blip():
    # A short, soft upward blip: the most frequent sound, so the quietest.
    track = tone(note("A5"), 0.11, WARM, attack=0.004, decay=28.0,
                 glide_to=note("E6"))
    return finish(track, 0.32, tail=0.02)


def stripe_chime():
    # Two bell strokes a fifth apart.
    track = silence(0.6)
    mix_into(track, bell(note("E6"), 0.55), 0.0)
    mix_into(track, bell(note("B6"), 0.45), 0.09, 0.8)
    return finish(track, 0.5, tail=0.05)


def square_chord():
    # A square is worth far more than a stripe: a strummed major seventh
    # chord over a low root.
    track = silence(1.0)
    for k, name in enumerate(("C4", "G4", "C5", "E5", "G5", "B5")):
        mix_into(track, tone(note(name), 1.0 - 0.035 * k, PLUCK, attack=0.006,
                             decay=3.0), 0.035 * k)
    mix_into(track, bell(note("C7"), 0.4, decay=5.0), 0.2, 0.25)
    return finish(track, 0.6, tail=0.1)


def blocker_thud():
    # A low body that drops in pitch, with a short burst of noise for the
    # knock of a heavy stone landing.
    track = tone(110.0, 0.32, (1.0, 0.25), attack=0.003, decay=11.0,
                 glide_to=45.0)
    noise = random.Random(5)
    knock = [noise.uniform(-1.0, 1.0) * math.exp(-90.0 * i / RATE)
             for i in range(int(0.04 * RATE))]
    smoothed, last = [], 0.0
    for value in knock:  # a simple low-pass keeps the knock dull
        last += 0.25 * (value - last)
        smoothed.append(last)
    mix_into(track, smoothed, 0.0, 0.35)
    return finish(track, 0.7, tail=0.04)


def highscore_arpeggio():
    # A bright rising arpeggio over two octaves.
    track = silence(0.9)
    names = ("G4", "B4", "D5", "G5", "B5", "D6")
    for k, name in enumerate(names):
        mix_into(track, tone(note(name), 0.9 - 0.08 * k, PLUCK, attack=0.004,
                             decay=5.0), 0.08 * k)
    return finish(track, 0.5, tail=0.08)


def game_end_chord():
    # Three notes fall, then settle into a soft minor chord.
    track = silence(0.92)
    for k, name in enumerate(("G4", "Eb4", "C4")):
        mix_into(track, tone(note(name), 0.3, WARM, attack=0.01, decay=5.0),
                 0.14 * k)
    for name in ("C3", "C4", "Eb4", "G4"):
        mix_into(track, tone(note(name), 0.5, WARM, attack=0.02, decay=3.0),
                 0.42, 0.7)
    return finish(track, 0.55, tail=0.1)


SOUNDS = {
    "sound1.wav": startup_fanfare,
    "sound2.wav": new_tiles_blip,
    "sound3.wav": stripe_chime,
    "sound4.wav": square_chord,
    "sound5.wav": blocker_thud,
    "sound6.wav": highscore_arpeggio,
    "sound7.wav": game_end_chord,
}


def write_wave(path, samples):
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, round(v * 32767))))
        for v in samples)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    folder.mkdir(parents=True, exist_ok=True)
    for name, make in SOUNDS.items():
        samples = make()
        write_wave(folder / name, samples)
        print(f"{name}: {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()
