#!/usr/bin/env python3
"""The end-to-end sound test's own wave files, and telling them apart in a
recording. Each game sound is a pure tone of a pitch of its own, so what is
heard names the file that was played.

  sound_tones.py make FOLDER [LONG_WAIT_SECONDS]
      writes FOLDER/sound1.wav .. sound7.wav; the two sounds the game waits
      for (5 and 7) last longer, or LONG_WAIT_SECONDS if given
  sound_tones.py listen RECORDING
      prints the tones heard in a raw recording (signed 16-bit mono at
      RATE Hz, little-endian), one line each: NUMBER START END in seconds
  sound_tones.py judge RECORDING EVENTS
      checks the recording against what the test did. EVENTS has a line
      TIME|WHAT|SOUNDS|HELD_BY per action, TIME in seconds of the
      recording; SOUNDS as the game plays them ("2/1,5/0", "-" for none).
      A sound that the same action follows with another may be cut before
      it is heard; every other one must be heard whole, in order, and
      nothing else. HELD_BY names a waiting sound ("5") that the action
      came in the middle of: its sound must start only when that one ends.
      Prints a line per action and exits 1 if any check failed.
"""
import math
import struct
import sys
import wave

RATE = 8000            # of the recording
WAVE_RATE = 22050      # of the wave files
FRAME = 200            # samples per analysis frame: 25 ms
PITCH = {1: 500, 2: 700, 3: 900, 4: 1150, 5: 1400, 6: 1700, 7: 2050}
SECONDS = {1: 0.3, 2: 0.3, 3: 0.3, 4: 0.3, 5: 1.0, 6: 0.3, 7: 1.5}
SHORTEST = 0.06        # a tone heard for less is a cut remnant, not a sound
DROPOUT = 2            # frames of silence that a busy machine may put into a tone


def make(folder, long_wait=None):
    for number, pitch in PITCH.items():
        seconds = SECONDS[number]
        if long_wait is not None and number in (5, 7):
            seconds = long_wait
        count = int(seconds * WAVE_RATE)
        fade = int(0.005 * WAVE_RATE)  # no clicks at either end
        samples = bytearray()
        for i in range(count):
            envelope = min(1.0, i / fade, (count - 1 - i) / fade)
            value = 0.5 * envelope * math.sin(2 * math.pi * pitch * i / WAVE_RATE)
            samples += struct.pack("<h", int(value * 32767))
        with wave.open(f"{folder}/sound{number}.wav", "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(WAVE_RATE)
            out.writeframes(bytes(samples))


def power(frame, pitch):
    """Goertzel: the power of one frequency in a frame."""
    coefficient = 2 * math.cos(2 * math.pi * pitch / RATE)
    s1 = s2 = 0.0
    for x in frame:
        s1, s2 = x + coefficient * s1 - s2, s1
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2


def frame_tone(frame):
    """The game sound a frame holds, or 0 for silence or noise."""
    energy = sum(x * x for x in frame)
    if energy < len(frame) * 300.0 ** 2:  # below about -40 dB of full scale
        return 0
    number, best = max(((n, power(frame, p)) for n, p in PITCH.items()), key=lambda t: t[1])
    # A pure tone puts nearly all its energy into its own frequency.
    return number if best > 0.25 * energy * len(frame) else 0


def listen(path):
    with open(path, "rb") as recording:
        data = recording.read()
    samples = struct.unpack(f"<{len(data) // 2}h", data[: len(data) // 2 * 2])
    tones = [frame_tone(samples[i:i + FRAME]) for i in range(0, len(samples) - FRAME + 1, FRAME)]
    step = FRAME / RATE
    runs = []  # [tone, first frame, frame after the last]
    for i, tone in enumerate(tones):
        if runs and runs[-1][0] == tone:
            runs[-1][2] = i + 1
        else:
            runs.append([tone, i, i + 1])
    # A busy machine may starve the sound server for a frame or two: such a
    # dropout inside one tone does not split the sound in two.
    joined = []
    for run in runs:
        if (len(joined) >= 2 and joined[-1][0] == 0 and joined[-1][2] - joined[-1][1] <= DROPOUT
                and joined[-2][0] == run[0]):
            joined.pop()
            joined[-1][2] = run[2]
        else:
            joined.append(run)
    return [(tone, first * step, end * step) for tone, first, end in joined
            if tone and (end - first) * step >= SHORTEST]


def expected_sounds(sounds):
    """(number, required) for each sound an action plays: a sound that
    returns at once and is followed by another may be cut at once."""
    if sounds == "-":
        return []
    played = [tuple(int(x) for x in s.split("/")) for s in sounds.split(",")]
    return [(number, flags == 0 or i == len(played) - 1) for i, (number, flags) in enumerate(played)]


def matches(heard, expected):
    """Whether the tones heard are the expected ones, leaving out only
    sounds that may be cut."""
    k = 0
    for number, _, _ in heard:
        while k < len(expected) and expected[k][0] != number and not expected[k][1]:
            k += 1
        if k == len(expected) or expected[k][0] != number:
            return False
        k += 1
    return all(not required for _, required in expected[k:])


def judge(recording, events_file):
    heard = listen(recording)
    events = []
    with open(events_file) as lines:
        for line in lines:
            time, what, sounds, held_by = line.rstrip("\n").split("|")
            events.append((float(time), what, sounds, held_by))
    failures = 0
    previous_end = {}
    for i, (time, what, sounds, held_by) in enumerate(events):
        # An action owns what starts between it and the next action.
        until = events[i + 1][0] - 0.05 if i + 1 < len(events) else float("inf")
        own = [h for h in heard if time - 0.05 <= h[1] < until]
        expected = expected_sounds(sounds)
        problems = []
        if not matches(own, expected):
            problems.append("expected " + sounds)
        for number, start, end in own:
            previous_end[number] = end
            if any(n == number and required for n, required in expected):
                if end - start < SECONDS[number] - 0.08:
                    problems.append(f"sound{number} lasted only {end - start:.2f} s")
        if held_by != "-" and own:
            waited = previous_end.get(int(held_by))
            if waited is None or own[0][1] < waited - 0.03:
                problems.append(f"it did not wait for sound{held_by} to end")
        description = ", ".join(
            f"sound{n} {start - time:+.3f} s for {end - start:.2f} s" for n, start, end in own) or "silence"
        if held_by != "-" and own and int(held_by) in previous_end:
            description += f" (sound{held_by} ended at {previous_end[int(held_by)] - time:+.3f} s)"
        if problems:
            failures += 1
            print(f"FAIL: {what}: heard {description}; {'; '.join(problems)}")
        else:
            print(f"ok:   {what}: heard {description}")
    return 1 if failures else 0


def main(argv):
    if len(argv) >= 3 and argv[1] == "make":
        make(argv[2], float(argv[3]) if len(argv) > 3 else None)
    elif len(argv) == 4 and argv[1] == "judge":
        return judge(argv[2], argv[3])
    elif len(argv) == 3 and argv[1] == "listen":
        for number, start, end in listen(argv[2]):
            print(f"{number} {start:.3f} {end:.3f}")
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
