"""Reads the BRELIKO window through the accessibility bus, as a screen
reader would, and checks what it finds.

    accessibility_probe.py board           the window's name and its 81 fields
    accessibility_probe.py focused PREFIX  waits until the focused object's
                                           name starts with PREFIX
    accessibility_probe.py press NAME      presses the button of that name in
                                           any of the program's windows, as a
                                           switch or screen reader user would

Exit status 0 when the check holds, 1 otherwise, with a line on what was seen.
"""
import sys
import time

import pyatspi

LIMIT_SECONDS = 30


def wait_for(what, probe):
    """Polls `probe` until it gives something other than None."""
    deadline = time.monotonic() + LIMIT_SECONDS
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes under us while the program starts
            found = None
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what}: not found within {LIMIT_SECONDS} s")


def game_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "breliko":
            for window in app:
                if window is not None and window.getRole() == pyatspi.ROLE_FRAME:
                    return window
    return None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def check_board():
    window = wait_for("the program's window on the accessibility bus", game_window)
    if window.name != "BRELIKO":
        sys.exit(f"FAIL: the window is named {window.name!r}, not 'BRELIKO'")
    board = wait_for("the board in the window", lambda: next(
        (n for n in descendants(window) if n.name == "ludtabulo"), None))
    # A table would make a screen reader read a whole row at each step.
    if board.getRole() == pyatspi.ROLE_TABLE:
        sys.exit("FAIL: the board is a table")
    names = [board.getChildAtIndex(i).name for i in range(board.childCount)]
    expected = [f"vico {i // 9 + 1}, kolumno {i % 9 + 1}: " for i in range(81)]
    if len(names) != 81 or not all(n.startswith(e) for n, e in zip(names, expected)):
        sys.exit(f"FAIL: the board's {len(names)} children are named {names[:3]} ...")
    # The fields are the board's alone, and beside the board the window
    # holds the notification that tells what a drop brought.
    beside = [n.name for n in window if n.name.startswith("vico ")]
    if beside:
        sys.exit(f"FAIL: fields lie beside the board as well: {beside[:3]} ...")
    if not any(n.getRole() == pyatspi.ROLE_NOTIFICATION for n in window):
        sys.exit("FAIL: the window holds no notification for the news of a drop")
    # The tree's button and the colour prototypes are never shown.
    hidden = [n.name for n in descendants(window)
              if n.name == "Go" or n.getState().contains(pyatspi.STATE_VISIBLE) is False
              and n.getRole() != pyatspi.ROLE_FILLER]
    if hidden:
        sys.exit(f"FAIL: controls the window never shows are exposed: {hidden}")
    print(f"ok:   a window named BRELIKO with a board of 81 fields, row by row")


def focused_name():
    window = game_window()
    if window is None:
        return None
    for node in descendants(window):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node.name
    return None


def check_focused(prefix):
    seen = []

    def probe():
        name = focused_name()
        seen.append(name)
        return name if name is not None and name.startswith(prefix) else None

    name = wait_for(f"focus on {prefix!r} (last seen: {seen[-1:]})", probe)
    print(f"ok:   the focus is reported on {name!r}")


def find_button(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "breliko":
            for window in app:
                for node in descendants(window):
                    if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
                        return node
    return None


def press(name):
    button = wait_for(f"a button named {name!r}", lambda: find_button(name))
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        sys.exit(f"FAIL: the button {name!r} offers only {names}")
    action.doAction(names.index("Press"))
    print(f"ok:   pressed {name!r}")


if __name__ == "__main__":
    if sys.argv[1:] == ["board"]:
        check_board()
    elif len(sys.argv) == 3 and sys.argv[1] == "focused":
        check_focused(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "press":
        press(sys.argv[2])
    else:
        sys.exit(__doc__)
