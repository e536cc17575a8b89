#!/usr/bin/env python3
"""When the sound server got each sound, on the monotonic clock, for
bench/measure_response.sh. The sounds are the test tones of
tests/e2e/sound_tones.py: a pure tone of a pitch of its own per file, after
digital silence, so the first sample of a sound is the first one that is
not silent, and its pitch names the file.

  sink_onsets.py record RAW TIMES -- COMMAND...
      runs COMMAND (parec ... --raw --format=s16le --channels=1), writes
      what it prints to RAW and, for every read, a line "SECONDS BYTES" to
      TIMES: time.monotonic() when the read returned and the bytes read so
      far. Runs until it is ended (SIGTERM) or COMMAND ends.
  sink_onsets.py onsets RAW TIMES RATE EVENTS
      EVENTS has a line "NAME MS" per action, MS on the monotonic clock in
      milliseconds. Prints a line per action: "NAME ONSET_MS SOUNDS", the
      first sample of the first sound after the action, in ms after it
      ("none" if nothing sounded within half a second), and the sounds heard
      in that half second, or until the next action ("2", "2,5", "-").

The sink plays its samples at the pace of the monotonic clock, so sample n
reached the server at BASE + (n + 1) / RATE. The reads tell BASE: none of
them can return before the samples it holds were played, so the smallest
"time of a read minus the span of the samples read so far" is the closest
bound, and it is reached whenever a read returns promptly.
"""
import os
import signal
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
import sound_tones  # noqa: E402  (found through the line above)

SILENCE = 64       # a sample this loud or louder is part of a sound
LISTEN = 0.5       # seconds after an action whose sounds belong to it


def record(raw, times, command):
    child = subprocess.Popen(command, stdout=subprocess.PIPE)
    signal.signal(signal.SIGTERM, lambda *_: child.terminate())
    total = 0
    with open(raw, "wb") as out, open(times, "w") as log:
        while True:
            try:
                data = os.read(child.stdout.fileno(), 65536)
            except InterruptedError:
                continue
            now = time.monotonic()
            if not data:
                break
            total += len(data)
            out.write(data)
            log.write(f"{now:.6f} {total}\n")
            log.flush()
    child.wait()


def base_time(times, rate):
    best = None
    with open(times) as lines:
        for line in lines:
            seconds, total = line.split()
            start = float(seconds) - int(total) / 2 / rate
            best = start if best is None else min(best, start)
    return best


def tones_heard(samples, rate):
    """The test tones in a stretch of samples, in order, each once."""
    sound_tones.RATE = rate  # the analysis of sound_tones, at this recording's rate
    frame = int(0.025 * rate)
    heard = []
    for i in range(0, len(samples) - frame + 1, frame):
        number = sound_tones.frame_tone(samples[i:i + frame])
        if number and number not in heard:
            heard.append(number)
    return heard


def onsets(raw, times, rate, events):
    with open(raw, "rb") as recording:
        data = recording.read()
    samples = struct.unpack(f"<{len(data) // 2}h", data[: len(data) // 2 * 2])
    base = base_time(times, rate)
    with open(events) as lines:
        actions = [(name, float(ms)) for name, ms in (line.split() for line in lines)]
    for i, (name, ms) in enumerate(actions):
        first = max(0, int((ms / 1000 - base) * rate))
        last = min(len(samples), first + int(LISTEN * rate))
        if i + 1 < len(actions):
            last = min(last, int((actions[i + 1][1] / 1000 - base) * rate))
        onset = next((n for n in range(first, last) if abs(samples[n]) >= SILENCE), None)
        if onset is None:
            print(f"{name} none -")
            continue
        heard = tones_heard(samples[onset:last], rate)
        onset_ms = (base + (onset + 1) / rate) * 1000 - ms
        print(f"{name} {onset_ms:.2f} {','.join(map(str, heard)) or '-'}")


def main(argv):
    if len(argv) >= 5 and argv[1] == "record" and argv[4] == "--":
        record(argv[2], argv[3], argv[5:])
    elif len(argv) == 6 and argv[1] == "onsets":
        onsets(argv[2], argv[3], int(argv[4]), argv[5])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
