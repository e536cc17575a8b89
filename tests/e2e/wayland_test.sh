#!/usr/bin/env bash
# The real BRELIKO window as a native Wayland program, under a headless
# Weston compositor drawing with pixman: its frame, board and buttons at
# their design sizes, a start, the highscore list opened and closed, and the
# quit button, each seen in the compositor's own screenshots.
#
# Weston places the window where it likes (a program cannot place its
# windows under Wayland), so the window is found on the screen by its frame.
# The headless Weston of Debian 12 has no seat at all, neither pointer nor
# keyboard, and its test plugin that feeds input is not packaged: the
# buttons are pressed through the accessibility bus instead, as a switch
# device or a screen reader presses them.
#
#   wayland_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

e2e_setup "$@"
require_tools weston weston-screenshooter convert
require_accessibility_tools

weston_pid=""
trap 'cleanup; [[ -n "$weston_pid" ]] && stop_process "$weston_pid"' EXIT

# --- the compositor ------------------------------------------------------------
# A private runtime folder holds the compositor's socket, so tests running
# side by side never meet. --debug lets weston-screenshooter take pictures.
export XDG_RUNTIME_DIR="$workdir/runtime" XDG_CONFIG_HOME="$workdir/config"
export WAYLAND_DISPLAY=breliko-test QT_QPA_PLATFORM=wayland
unset DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --use-pixman --no-config --debug --idle-time=0 \
  --width="$screen_width" --height="$screen_height" --socket="$WAYLAND_DISPLAY" \
  --log="$workdir/weston.log" >/dev/null 2>&1 &
weston_pid=$!
deadline=$((SECONDS + wait_limit))
until [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]]; do
  if ((SECONDS >= deadline)) || ! kill -0 "$weston_pid" 2>/dev/null; then
    give_up "Weston did not start: $(cat "$workdir/weston.log")"
  fi
  sleep 0.1
done

# The whole output as raw RGB, as take_screenshot gives it under X11.
take_screenshot() {
  local shots="$workdir/shots" size
  rm -rf "$shots"
  mkdir "$shots"
  (cd "$shots" && timeout 10 weston-screenshooter >/dev/null 2>&1)
  timeout 10 convert "$shots"/*.png -depth 8 "rgb:$workdir/screen.rgb" 2>/dev/null
  size=$(stat -c %s "$workdir/screen.rgb" 2>/dev/null || echo 0)
  ((size == screen_width * screen_height * 3)) || give_up "screenshot failed ($size bytes)"
}

# Prints "X Y" of the one place in the last screenshot where a box of the
# size given (WIDTH HEIGHT) has the four corner colours given ("R G B" each:
# top left, top right, bottom left, bottom right); prints nothing if none.
find_box() {
  "$python" - "$workdir/screen.rgb" "$screen_width" "$@" <<'EOF'
import sys
shot, screen_width, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
corners = [bytes(map(int, c.split())) for c in sys.argv[5:9]]
data = open(shot, "rb").read()
found = data.find(corners[0])
while found >= 0:
    x, y = found // 3 % screen_width, found // 3 // screen_width
    at = lambda dx, dy: data[((y + dy) * screen_width + x + dx) * 3:][:3]
    if found % 3 == 0 and x + width <= screen_width and at(width - 1, 0) == corners[1] \
            and at(0, height - 1) == corners[2] and at(width - 1, height - 1) == corners[3]:
        print(x, y)
        break
    found = data.find(corners[0], found + 1)
EOF
}

# Screenshots until a box is found (find_box's arguments); keeps its place
# in box_x and box_y.
box_x=""
box_y=""
wait_for_box() {
  local deadline=$((SECONDS + wait_limit)) place
  while true; do
    take_screenshot
    place=$(find_box "$@")
    [[ -n "$place" ]] && { read -r box_x box_y <<<"$place"; return 0; }
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Screenshots until no such box is on the screen.
wait_for_box_gone() {
  local deadline=$((SECONDS + wait_limit))
  while take_screenshot; [[ -n "$(find_box "$@")" ]]; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# The frame's corners, as the X11 window test reads them.
readonly window_box=("$window_width" "$window_height" "0 245 0" "0 5 0" "0 245 0" "0 5 0")
# The highscore list's black box.
readonly list_box=(392 267 "0 0 0" "0 0 0" "0 0 0" "0 0 0")

press() { "$python" "$probe" press "$1" || fail "could not press \"$1\" through the accessibility bus"; }

# --- the window ------------------------------------------------------------------
start_accessibility_bus
(cd "$rundir" && in_session "$program") >>"$workdir/program.log" 2>&1 &
session_pid=$!
wait_for_box "${window_box[@]}" || give_up "no 800 x 600 window with the frame's corners appeared"
window_x=$box_x
window_y=$box_y
pass "the window shows its frame, 800 x 600, placed by the compositor at ($window_x, $window_y)"

expect_pixel "frame, inner top ring" 400 3 "0 140 0"
expect_pixel "frame, inner bottom ring" 400 596 "0 80 0"
expect_pixel "first pixel of field 0" 37 17 "$base_colour"
expect_pixel "left of field 0" 36 17 "$window_colour"
expect_pixel "last pixel of field 80" 602 582 "$base_colour"
expect_pixel "below field 80" 602 583 "$window_colour"
count=$(count_occupied)
check "the board starts empty ($count fields occupied)" test "$count" -eq 0

# Each button is 130 x 22 pixels from x 635 on, its face pale green; the
# window's green shows right round it.
for top in 295 322 349 376 403 430 457 484 538; do
  expect_pixel "face of the button at y $top" 640 $((top + 5)) "185 255 185"
  edges="$(pixel 635 $((top + 11))) / $(pixel 764 $((top + 11))) / $(pixel 700 "$top") / $(pixel 700 $((top + 21)))"
  round="$(pixel 634 $((top + 11))) / $(pixel 765 $((top + 11))) / $(pixel 700 $((top - 1))) / $(pixel 700 $((top + 22)))"
  bare="$window_colour / $window_colour / $window_colour / $window_colour"
  if [[ "$edges" != *"$window_colour"* && "$round" == "$bare" ]]; then
    pass "the button at y $top covers 635..764 x $top..$((top + 21))"
  else
    fail "the button at y $top: edges RGB $edges, round it RGB $round"
  fi
done

# --- a game, the list, quit --------------------------------------------------------
press "startigi ludon"
if wait_for_occupied -eq 3; then
  pass "the start puts three tiles on the board"
else
  fail "after the start $(count_occupied) fields are occupied, expected 3"
fi

press "montri highscore"
if wait_for_box "${list_box[@]}"; then
  pass "the highscore list shows, 392 x 267, at ($box_x, $box_y)"
  list_inside=$(screen_pixel $((box_x + 5)) $((box_y + 5)))
  check "the list is RGB($list_inside) inside its box" test "$list_inside" == "$dialog_colour"
else
  fail "no highscore list of 392 x 267 appeared"
fi
press "reiri"
if wait_for_box_gone "${list_box[@]}"; then
  pass "the list's button closes it"
else
  fail "the list's button did not close it"
fi

press "fini programon"
expect_clean_exit "the quit button"

finish
