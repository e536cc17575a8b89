#!/usr/bin/env bash
# The small commands of the main window, pressed through their access keys
# in the real BRELIKO window on a virtual X screen: the rules and information
# panels (Alt+R, Alt+I), the base colour of the board (Alt+K) and the reset
# of the highscore list with its question (Alt+N, then "ne" or "jes").
#
#   keys_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

e2e_setup "$@"
require_tools iconv cmp
start_xvfb

# A list with names in it, so that the reset has something to clear.
highscore="$rundir/P1.dat"
for place in $(seq 11); do
  highscore_record $((1200 - 100 * place)) "Ludanto $place" "$((10 + place)).05.24 12:00:00"
done >"$highscore"
cp "$highscore" "$workdir/P1.before"

start_program

# --- the rules and information panels ----------------------------------------
# Both panels lie over the board; the rules panel (white) reaches three
# pixels further left than the information panel (pale green), so the strip
# at x = 33 tells them apart, and the board's bottom left corner shows which
# one covers the board.
readonly white="255 255 255" information_colour="192 255 192"

panel_shown() {
  local strip corner
  strip=$(pixel 33 300)
  corner=$(pixel 40 580)
  if [[ "$strip" == "$white" && "$corner" == "$white" ]]; then
    echo rules
  elif [[ "$strip" == "$window_colour" && "$corner" == "$information_colour" ]]; then
    echo information
  elif [[ "$strip" == "$window_colour" && "$corner" != "$white" && "$corner" != "$information_colour" ]]; then
    echo none
  else
    echo "neither (RGB($strip) at (33, 300), RGB($corner) at (40, 580))"
  fi
}

# Presses keys, then waits for the panel expected.
expect_panel_after() {
  local keys=$1 expected=$2 deadline=$((SECONDS + wait_limit)) shown
  press_keys "$keys"
  while true; do
    take_screenshot
    shown=$(panel_shown)
    [[ "$shown" == "$expected" ]] && break
    ((SECONDS < deadline)) || break
    sleep 0.2
  done
  if [[ "$shown" == "$expected" ]]; then
    pass "$keys: panel shown: $expected"
  else
    fail "$keys: panel shown: $shown; expected $expected"
  fi
}

take_screenshot
[[ "$(panel_shown)" == none ]] || fail "a panel is open at start-up: $(panel_shown)"
expect_panel_after alt+r rules
expect_panel_after alt+i information  # replaces the rules
expect_panel_after alt+r rules        # and back
expect_panel_after alt+r none         # a second press closes it
expect_panel_after alt+i information
expect_panel_after alt+i none
# Starting a game closes an open panel.
expect_panel_after alt+r rules
expect_panel_after alt+l none
if wait_for_occupied -eq 3; then
  pass "Alt+L with the rules open starts a game with three tiles"
else
  fail "Alt+L with the rules open: $(count_occupied) fields occupied, expected 3"
fi
press_keys alt+p
wait_for_occupied -eq 0 || fail "Alt+P did not empty the board"

# --- the base colour ---------------------------------------------------------
# Each press of Alt+K steps the colour of the empty fields through six
# colours and back to the first; tiles keep their own colours, and a cancel
# keeps the base colour.

# Waits until exactly `count` fields differ from the colour given, and the
# gap between fields still shows the window.
wait_for_board() {
  local colour=$1 count=$2 deadline=$((SECONDS + wait_limit))
  while true; do
    take_screenshot
    (($(count_occupied "$colour") == count)) && [[ "$(pixel 99 50)" == "$window_colour" ]] && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Presses Alt+K and checks the new base colour with `tiles` fields occupied.
expect_base_colour_after_alt_k() {
  local colour=$1 tiles=$2
  press_keys alt+k
  if wait_for_board "$colour" "$tiles"; then
    pass "Alt+K: empty fields show RGB($colour), $tiles tiles"
  else
    fail "Alt+K: expected empty fields RGB($colour) and $tiles tiles;" \
      "$(count_occupied "$colour") fields differ, field 0 RGB($(field_centre 0))"
  fi
}

# "field: R G B; " for each field given.
tile_colours() {
  local field
  for field in "$@"; do echo -n "$field: $(field_centre "$field"); "; done
}

expect_base_colour_after_alt_k "255 255 255" 0
press_keys alt+l
wait_for_board "255 255 255" 3 || fail "Alt+L on a white board: expected three tiles"
mapfile -t tiles < <(occupied_fields "255 255 255")
tiles_before=$(tile_colours "${tiles[@]}")
expect_base_colour_after_alt_k "230 230 230" 3
if [[ "$(tile_colours "${tiles[@]}")" == "$tiles_before" ]]; then
  pass "Alt+K during a game leaves the tiles as they were"
else
  fail "Alt+K changed tiles: before $tiles_before after $(tile_colours "${tiles[@]}")"
fi
press_keys alt+p
if wait_for_board "230 230 230" 0; then
  pass "Alt+P keeps the base colour RGB(230 230 230)"
else
  fail "Alt+P: field 0 shows RGB($(field_centre 0)), expected the base colour RGB(230 230 230)"
fi
expect_base_colour_after_alt_k "195 195 195" 0
expect_base_colour_after_alt_k "0 0 0" 0
expect_base_colour_after_alt_k "255 230 230" 0
expect_base_colour_after_alt_k "$base_colour" 0

# --- the highscore reset -----------------------------------------------------
press_keys alt+n
expect_small_window "Alt+N (the question)" "$question_size" "$question_place"
press_keys alt+n  # "ne"
if wait_for_window_gone "$question_size"; then
  pass "Alt+N in the question (ne) closes it"
else
  fail "Alt+N in the question (ne) left it open"
fi
check "ne leaves P1.dat as it was" cmp -s "$highscore" "$workdir/P1.before"

focus_main_window
press_keys alt+n
expect_small_window "Alt+N again" "$question_size" "$question_place"
# A list that "ne" had opened would be shown still.
window_shown "$list_size" && fail "ne opened the list window"
press_keys alt+j  # "jes"
wait_for_window_gone "$question_size" || fail "Alt+J (jes) left the question open"
expect_small_window "Alt+J (jes) shows the list" "$list_size" "$list_place"

size=$(stat -c %s "$highscore")
if ((size == 429)); then
  pass "after the reset P1.dat has 429 bytes"
else
  fail "after the reset P1.dat has $size bytes, expected 429"
fi
empty=$(expected_record_hex 0 "" "")
cleared=true
for place in $(seq 11); do
  if [[ "$(record_hex "$highscore" "$place")" != "$empty" ]]; then
    fail "record $place after the reset: $(record_hex "$highscore" "$place"), expected $empty"
    cleared=false
  fi
done
$cleared && pass "records 1 to 11 are empty: 00 00 and 37 spaces"

# The list's cells lie at x = 66 (score), 113 (name) and 267 (date), row i
# at y = 20 + 20 i; the first three rows are gold, paler and paler.
read -r _ list_x list_y < <(wait_for_window "$list_size")
take_screenshot
row_colours=""
for row in 0 1 2 3; do
  row_colours+="$(screen_pixel $((list_x + 70)) $((list_y + 29 + 20 * row)))/"
done
if [[ "$row_colours" == "255 255 0/255 255 128/255 255 192/255 255 255/" ]]; then
  pass "the list's first rows are gold, paler, paler, white"
else
  fail "the list's first rows show $row_colours"
fi
# The names were cleared, so the name cell of the first row holds no text.
names=$(screen_area_colours $((list_x + 116)) $((list_y + 23)) 130 13 | xargs -d '\n' echo)
if [[ "$names" == "255 255 0" ]]; then
  pass "the first row's name cell is blank after the reset"
else
  fail "the first row's name cell shows colours: $names"
fi
# The eleventh row stays hidden: the window's green where it would lie.
row11=$(screen_area_colours $((list_x + 32)) $((list_y + 221)) 230 10 | xargs -d '\n' echo)
if [[ "$row11" == "$dialog_colour" ]]; then
  pass "the eleventh row is hidden"
else
  fail "where the eleventh row would be: colours $row11"
fi

# The list's button still reads "kontinui" (the show command never ran).
press_keys alt+k
if wait_for_window_gone "$list_size"; then
  pass "Alt+K in the list (kontinui) closes it"
else
  fail "Alt+K in the list (kontinui) left it open"
fi

focus_main_window
press_keys alt+f
expect_clean_exit "Alt+F"

finish
