"""Runs the screen reader Orca with speech off and keeps what it would speak.

    orca_speech.py RECORD PREFS_DIR   (Orca's settings go to PREFS_DIR)

Orca writes its debug output to a file it opens itself, and flushes it only
when a block is full; a terminal it writes line by line. So its debug file is
the far end of a pseudo-terminal, and each "SPEECH OUTPUT" line read there
goes into RECORD at once, as the spoken text alone. SIGTERM ends Orca.
"""
import os
import pty
import re
import select
import signal
import subprocess
import sys

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)?\s*(?:\{.*\})?$")


def main():
    record_path, prefs = sys.argv[1], sys.argv[2]
    leader, follower = pty.openpty()
    # The far end stays open here as well: a terminal whose every user has
    # closed it cannot be opened again by its name.
    orca = subprocess.Popen(
        [sys.executable, "/usr/bin/orca", "--disable", "speech", "--user-prefs", prefs,
         "--debug", "--debug-file", os.ttyname(follower)], stdin=subprocess.DEVNULL)
    signal.signal(signal.SIGTERM, lambda *_: orca.kill())
    pending = b""
    with open(record_path, "w", encoding="utf-8") as record:
        while True:
            readable, _, _ = select.select([leader], [], [], 0.2)
            if not readable:
                if orca.poll() is not None:
                    break
                continue
            pending += os.read(leader, 65536)
            *lines, pending = pending.split(b"\n")
            for line in lines:
                spoken = SPOKEN.search(line.decode("utf-8", "replace").rstrip("\r"))
                if spoken:
                    record.write(spoken.group(1) + "\n")
                    record.flush()
    os.close(follower)


if __name__ == "__main__":
    main()
