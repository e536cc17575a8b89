#!/usr/bin/env bash
# Plays a short game in the real BRELIKO window on a virtual X screen: the
# window's place and frame, a start, one drag, a cancel and the quit button,
# each checked from the screen's own pixels.
#
#   window_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
require_tools xprop

e2e_setup "$@"
start_xvfb
start_program

# --- the empty window --------------------------------------------------------
expect_main_window 112 84 800 600
# Frameless: the window asks any window manager for no decorations. Of the
# Motif hints (flags, functions, decorations, ...), flag 0x2 says the third
# field counts, and 0x0 there means no title bar and no border.
hints=$(timeout 5 xprop -id "$window" _MOTIF_WM_HINTS 2>&1)
if [[ "$hints" =~ =\ 0x[0-9a-f]*[2367abef],\ [^,]+,\ 0x0, ]]; then
  pass "the window asks for no decorations ($hints)"
else
  fail "the window does not ask to be frameless: $hints"
fi

take_screenshot
# The frame's corners show whichever of the crossing lines is drawn last:
# the left edge over the bottom line, the right edge over the top line.
expect_pixel "frame, top left" 0 0 "0 245 0"
expect_pixel "frame, top right" 799 0 "0 5 0"
expect_pixel "frame, bottom left" 0 599 "0 245 0"
expect_pixel "frame, bottom right" 799 599 "0 5 0"
expect_pixel "frame, inner top ring" 400 3 "0 140 0"
expect_pixel "frame, inner bottom ring" 400 596 "0 80 0"
expect_pixel "window background" 20 300 "$window_colour"
expect_pixel "centre of field 0" 68 48 "$base_colour"
expect_pixel "gap between fields 0 and 1" 99 50 "$window_colour"
expect_pixel "first pixel of field 0" 37 17 "$base_colour"
expect_pixel "left of field 0" 36 17 "$window_colour"
expect_pixel "last pixel of field 80" 602 582 "$base_colour"
expect_pixel "right of field 80" 603 582 "$window_colour"
expect_pixel "below field 80" 602 583 "$window_colour"
count=$(count_occupied)
if ((count == 0)); then
  pass "the board starts empty"
else
  fail "$count fields occupied before any game"
fi

# The empty field farthest (in king's moves) from every occupied one.
farthest_empty_field() {
  local -a occupied=("$@")
  local i o best=-1 best_distance=-1 distance dr dc nearest
  for i in $(seq 0 80); do
    nearest=99
    for o in "${occupied[@]}"; do
      ((i == o)) && { nearest=-1; break; }
      dr=$((i / 9 - o / 9)); dc=$((i % 9 - o % 9))
      distance=$((${dr#-} > ${dc#-} ? ${dr#-} : ${dc#-}))
      ((distance < nearest)) && nearest=$distance
    done
    ((nearest > best_distance)) && { best=$i; best_distance=$nearest; }
  done
  echo "$best"
}

# --- start, drag, cancel -----------------------------------------------------
# A chance colour dissolution after the drop (about one drop in seventy)
# empties tiles and turns the window a shade darker; such a round proves
# nothing about the move, so a fresh game is started for another try.
moved=false
for attempt in 1 2 3; do
  # The start button, and with it Alt+L, is hidden while a game runs.
  if ((attempt > 1)); then
    press_keys alt+p
    wait_for_occupied -eq 0 || fail "Alt+P did not empty the board for another try"
  fi
  press_keys alt+l
  if ! wait_for_occupied -eq 3; then
    fail "Alt+L: $(count_occupied) fields occupied after the start, expected 3"
    break
  fi
  pass "Alt+L starts a game with three tiles"

  mapfile -t before < <(occupied_fields)
  source=${before[0]}
  source_colour=$(field_centre "$source")
  target=$(farthest_empty_field "${before[@]}")
  background_before=$(pixel 20 300)

  drag_field "$source" "$target"
  park_pointer
  wait_for_occupied -ge 6
  # A colour dissolution flashes with the new tiles and calms 400 ms later.
  wait_for_calm 20 300 || fail "the window still flashes $wait_limit s after the drop"

  background_after=$(pixel 20 300)
  if [[ "$background_after" == "$dissolved_colour" && "$background_before" != "$dissolved_colour" ]]; then
    note "a chance colour dissolution followed the drop; starting again"
    continue
  fi
  if [[ "$background_after" != "$background_before" ]]; then
    fail "the window background turned RGB($background_after) after the drop"
    break
  fi
  moved=true

  target_colour=$(field_centre "$target")
  if [[ "$target_colour" == "$source_colour" ]]; then
    pass "drag $source -> $target: the target shows the dragged tile RGB($source_colour)"
  else
    fail "drag $source -> $target: target centre RGB($target_colour), expected RGB($source_colour)"
  fi
  for other in "${before[@]:1}"; do
    [[ "$(field_centre "$other")" != "$base_colour" ]] ||
      fail "field $other, not dragged, is empty after the drop"
  done
  # Six tiles: the three moved or kept, plus three new ones. A blocker, put
  # down by chance after some drops, makes seven. Three tiles can never
  # complete a stripe or square, so the move itself dissolves nothing.
  count=$(count_occupied)
  if ((count == 6 || count == 7)); then
    pass "after the drop $count fields are occupied (3 + 3 new, 7 with a blocker)"
  else
    fail "after the drop $count fields are occupied, expected 6 (or 7 with a blocker)"
  fi
  # A new tile may land on the field just left (about one drop in
  # twenty-six); otherwise it shows the base colour again.
  if [[ "$(field_centre "$source")" == "$base_colour" ]]; then
    pass "the source field $source is empty after the drop"
  else
    note "a new tile landed on the source field $source"
  fi
  break
done
$moved || fail "no drag could be checked in three games"

press_keys alt+p
if wait_for_occupied -eq 0; then
  pass "Alt+P cancels the game and empties the board"
else
  fail "Alt+P: $(count_occupied) fields still occupied after the cancel"
fi

# --- quit --------------------------------------------------------------------
press_keys alt+f
expect_clean_exit "Alt+F"

finish
