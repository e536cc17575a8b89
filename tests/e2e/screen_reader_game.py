"""Plays a planned game with the keys alone and checks what Orca speaks.

    screen_reader_game.py RECORD PLAN_FILE

RECORD is what Orca would speak, one utterance a line (orca_speech.py);
PLAN_FILE the plan of sound_game_plan: "start - - SOUNDS OCCUPIED", then
"drop FROM TO SOUNDS OCCUPIED" a drop. Every key waits for the speech it
brings, so a busy machine only slows the game. Prints "ok:" and "FAIL:"
lines; exit status 1 when a check failed.
"""
import re
import subprocess
import sys
import time

LIMIT_SECONDS = 30
FIELD = re.compile(r"vico (\d), kolumno (\d): (\S+?)(?=[;.]|$)")
COLOURS = {"ruĝa", "oranĝa", "flava", "verda", "cejana", "blua", "magenta", "ĵokero"}
STRIPE_POINTS, SQUARE_POINTS = 4, 17

failures = 0


def check(ok, what):
    global failures
    print(("ok:   " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures += 1


def place(field):
    return f"vico {field // 9 + 1}, kolumno {field % 9 + 1}"


class Listener:
    """Reads the record as Orca adds to it; `heard` is every line so far."""

    def __init__(self, path):
        self.path = path
        self.heard = []

    def _read(self):
        with open(self.path, encoding="utf-8") as record:
            lines = record.read().split("\n")
        self.heard = lines[:-1]  # the last is not finished yet

    def press(self, key):
        """Presses a key; returns where the speech it brings begins."""
        self._read()
        start = len(self.heard)
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True, timeout=10)
        return start

    def wait_for(self, start, wanted):
        """The lines spoken from `start` on up to the first that `wanted`
        accepts; exits when none comes."""
        deadline = time.monotonic() + LIMIT_SECONDS
        while time.monotonic() < deadline:
            self._read()
            for i in range(start, len(self.heard)):
                if wanted(self.heard[i]):
                    return self.heard[start:i + 1]
            time.sleep(0.05)
        print(f"FAIL: nothing wanted was spoken within {LIMIT_SECONDS} s; "
              f"heard since: {self.heard[start:]}")
        sys.exit(1)


def news(line):
    return line.startswith("notification ")


class Player:
    def __init__(self, listener):
        self.ear = listener
        self.cursor = None  # no cursor until the first arrow
        self.score = 0
        self.vertical_steps = 0
        self.last_field = ""

    def step(self, key, row_step, column_step):
        """One arrow: the one field the cursor comes to is spoken, alone."""
        if self.cursor is None:
            self.cursor = 40  # the first arrow shows the cursor in the middle
        else:
            row = min(8, max(0, self.cursor // 9 + row_step))
            column = min(8, max(0, self.cursor % 9 + column_step))
            self.cursor = row * 9 + column
        start = self.ear.press(key)
        spoken = self.ear.wait_for(start, lambda l: l.startswith(place(self.cursor) + ": "))
        fields = [l for l in spoken if l.startswith("vico ")]
        if len(fields) != 1:
            check(False, f"{key} to {place(self.cursor)} speaks {len(fields)} fields: {fields}")
        if row_step != 0:
            self.vertical_steps += 1
        self.last_field = spoken[-1]

    def go_to(self, field):
        if self.cursor is None:
            self.step("Down", 0, 0)
        while self.cursor != field:
            row_step = (field // 9 > self.cursor // 9) - (field // 9 < self.cursor // 9)
            if row_step:
                self.step("Down" if row_step > 0 else "Up", row_step, 0)
                continue
            column_step = (field % 9 > self.cursor % 9) - (field % 9 < self.cursor % 9)
            self.step("Right" if column_step > 0 else "Left", 0, column_step)

    def told(self, key):
        """Presses a key and returns the news it brings."""
        start = self.ear.press(key)
        return self.ear.wait_for(start, news)[-1][len("notification "):]

    def new_tiles(self, told, occupied, what):
        """The new tiles told: three, of a colour each, where the plan has
        tiles; each field says the same when the cursor comes to it."""
        section = told.split("Novaj kampoj: ", 1)
        tiles = FIELD.findall(section[1]) if len(section) == 2 else []
        fields = [(int(r) - 1) * 9 + int(c) - 1 for r, c, _ in tiles]
        ok = len(tiles) == 3 and all(colour in COLOURS for _, _, colour in tiles) \
            and set(fields) <= occupied
        check(ok, f"{what}: three new tiles with their fields and colours: {told!r}")
        return list(zip(fields, (colour for _, _, colour in tiles)))

    def check_tile(self, field, colour, what):
        if self.cursor == field:  # step off and back to hear it again
            self.step("Left" if field % 9 else "Right", 0, -1 if field % 9 else 1)
        self.go_to(field)
        line = self.last_field
        check(line.startswith(f"{place(field)}: {colour}"),
              f"{what}: the cursor on {place(field)} says {line!r}")


def scored_points(told):
    shapes = re.findall(r"(strio|kvadrato) solviĝis de vico \d, kolumno \d ĝis "
                        r"vico \d, kolumno \d: (\d+) poentoj", told)
    return shapes, sum(int(points) for _, points in shapes)


def main():
    listener = Listener(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as plan_file:
        plan = [line.split() for line in plan_file if line.strip()]
    player = Player(listener)

    # The start tells the first tiles; the cursor finds them as told.
    _, _, _, _, occupied = plan[0]
    told = player.told("alt+l")
    check(told.startswith("Nova ludo komenciĝis. Novaj kampoj: "), f"Alt+L: {told!r}")
    tiles = player.new_tiles(told, set(map(int, occupied.split(","))), "the start")
    for field, colour in tiles:
        player.check_tile(field, colour, "a tile told at the start")

    shapes_seen = set()
    for number, (_, source, target, sounds, occupied) in enumerate(plan[1:], 1):
        source, target = int(source), int(target)
        occupied = set(map(int, occupied.split(","))) if occupied != "-" else set()
        sounds = sounds.split(",")
        player.go_to(source)
        listener.press("space")
        player.go_to(target)
        if "7/0" in sounds:
            break  # the last drop, below
        told = player.told("space")
        what = f"drop {number} ({place(source)} to {place(target)})"
        if not told.startswith(("La kampo restis.", f"La kampo iris al {place(target)}.")) \
                or source == target and not told.startswith("La kampo restis."):
            check(False, f"{what}: the drop is told as {told!r}")
        if "2/1" in sounds and not {"3/1", "4/1"} & set(sounds):
            tiles = player.new_tiles(told, occupied, what)
            if number == 1:
                for field, colour in tiles:
                    player.check_tile(field, colour, "a new tile told after the first drop")
        if "5/0" in sounds:
            check(re.search(r"Nova blokita kampo: vico \d, kolumno \d\.", told) is not None,
                  f"{what}: the blocker is told: {told!r}")
        shapes, points = scored_points(told)
        if {"3/1", "4/1"} & set(sounds):
            kinds = {kind for kind, _ in shapes}
            right = all(int(p) == (STRIPE_POINTS if k == "strio" else SQUARE_POINTS)
                        for k, p in shapes)
            player.score += points
            check(bool(shapes) and right and f"Poentoj: {player.score}." in told,
                  f"{what}: the shape, its points and the new score are told: {told!r}")
            shapes_seen |= kinds

    # The last drop fills the board: the end and the score are heard before
    # the name window's question.
    start = listener.press("space")
    end = f"La ludo finiĝis, ĉiuj kampoj estas okupitaj. Poentoj: {player.score}."
    heard = listener.wait_for(start, lambda l: l.startswith("Kiu atingis tian grandan nombron"))
    check(any(end in line for line in heard), f"the last drop: {end!r} is heard before the "
          f"name window's question: {heard}")
    listener.press("Return")  # the name, and the list
    listener.wait_for(start, lambda l: l.startswith("Highscore"))
    start = listener.press("Return")
    listener.wait_for(start, lambda l: l.startswith("BRELIKO"))
    told = player.told("alt+p")
    check(told == "Partio ĉesigita.", f"Alt+P: {told!r}")
    check(player.vertical_steps > 0, f"{player.vertical_steps} steps up or down, "
          "each speaking the one field the cursor came to")
    check(shapes_seen == {"strio", "kvadrato"}, f"the shapes told: {sorted(shapes_seen)}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
