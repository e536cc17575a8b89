#!/usr/bin/env bash
# A game played with the keys alone in the real BRELIKO window on a virtual X
# screen: Alt+L starts it, the arrows bring the cursor to a tile, Space picks
# it up, the arrows and Enter drop it on an empty field, a press on the board
# takes the focus off a clicked button, and F2 switches the symbols on the
# colour tiles, which the next run remembers. No window manager runs, and
# nothing but the program gives its windows the keyboard focus.
#
#   keyboard_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

e2e_setup "$@"
start_xvfb
hand_focus=false start_program
check "the main window takes the keyboard focus as it opens" \
  wait_for_focus "$window_width $window_height"

settings="$XDG_CONFIG_HOME/breliko/breliko.conf"

# --- the board at rest -------------------------------------------------------
# The cursor frame reaches three pixels round its field, into the gaps; before
# the first arrow the gap round the middle field shows the window's green.
field_left() { echo $((37 + 63 * ($1 % 9))); }
field_top() { echo $((17 + 63 * ($1 / 9))); }
cursor_corner() { pixel $(($(field_left "$1") - 2)) $(($(field_top "$1") - 2)); }

take_screenshot
expect_pixel "no cursor before the first arrow" $(($(field_left 40) - 1)) $(($(field_top 40) - 1)) \
  "$window_colour"

press_keys alt+l
wait_for_occupied -eq 3 || give_up "Alt+L: $(count_occupied) fields occupied, expected 3"
take_screenshot
mapfile -t tiles < <(occupied_fields)
board_before=$(field_centres)

# --- the cursor --------------------------------------------------------------
cursor=40
press_keys Right  # the first arrow only shows the cursor, on the middle field
if wait_for_pixel $(($(field_left 40) - 2)) $(($(field_top 40) - 2)) "0 0 0"; then
  pass "the first arrow shows the cursor round the middle field"
else
  fail "no cursor round the middle field: RGB($(cursor_corner 40)) at its corner"
fi

# Walks the cursor to a field with the arrow keys.
cursor_to() {
  local keys=() target=$1
  while ((cursor % 9 < target % 9)); do keys+=(Right); cursor=$((cursor + 1)); done
  while ((cursor % 9 > target % 9)); do keys+=(Left); cursor=$((cursor - 1)); done
  while ((cursor / 9 < target / 9)); do keys+=(Down); cursor=$((cursor + 9)); done
  while ((cursor / 9 > target / 9)); do keys+=(Up); cursor=$((cursor - 9)); done
  ((${#keys[@]} == 0)) || press_keys "${keys[@]}"
}

# --- one move ----------------------------------------------------------------
from=${tiles[0]}
to=0
while [[ " ${tiles[*]} " == *" $to "* ]]; do to=$((to + 1)); done
tile_colour=$(field_centre "$from")
cursor_to "$from"
press_keys space
# A picked tile is paled: a point between its middle and its edge no longer
# shows the tile's own colour.
probe_x=$(($(field_left "$from") + 14)) probe_y=$(($(field_top "$from") + 31))
deadline=$((SECONDS + wait_limit))
while take_screenshot; [[ "$(pixel "$probe_x" "$probe_y")" == "$tile_colour" ]]; do
  ((SECONDS < deadline)) || break
  sleep 0.2
done
if [[ "$(pixel "$probe_x" "$probe_y")" != "$tile_colour" ]]; then
  pass "Space picks up the tile on field $from, which shows it"
else
  fail "Space on field $from: the tile does not look picked up"
fi
changed=$(diff <(echo "$board_before") <(field_centres) | grep -c '^>')
((changed == 1)) || fail "picking up a tile changed $changed field centres, expected only its own"

cursor_to "$to"
press_keys Return
# Now and then the drop brings a blocker as well (a seventh field), or a
# chance dissolution that takes a colour away; the window then turns its
# darker green.
if wait_for_occupied -ge 6; then
  pass "Enter drops the tile: the move and three new tiles"
  take_screenshot
  if [[ "$(field_centre "$to")" == "$tile_colour" ]]; then
    pass "field $to shows the tile RGB($tile_colour) moved there"
  else
    fail "field $to shows RGB($(field_centre "$to")), expected the tile RGB($tile_colour)"
  fi
  # A new tile may land on the field just left (about one drop in
  # twenty-six); otherwise it shows the base colour again.
  if [[ "$(field_centre "$from")" == "$base_colour" ]]; then
    pass "field $from is empty after the move"
  else
    note "a new tile landed on field $from, just left"
  fi
elif [[ "$(pixel 20 300)" == "$dissolved_colour" ]]; then
  note "a chance dissolution followed the drop; the board is not checked"
else
  fail "after the drop $(count_occupied) fields are occupied, expected 6 or more"
fi

# --- a press on the board takes the focus off the buttons ---------------------
# The sound button keeps the focus its click gave it until the board is
# pressed; a Space after a drag then switches nothing. Alt+R, typed after
# the Space, shows the rules panel once the Space is dealt with. The caption
# is read inside the focus mark, which the arrows above made show.
sound_caption() { take_screenshot; area_digest 641 353 117 14; }
caption_on=$(sound_caption)
click_screen $((window_x + 700)) $((window_y + 360))
deadline=$((SECONDS + wait_limit))
while caption_off=$(sound_caption); [[ "$caption_off" == "$caption_on" ]]; do
  ((SECONDS < deadline)) || give_up "a click on the sound button did not switch the sound off"
  sleep 0.2
done
mapfile -t tiles < <(occupied_fields)
((${#tiles[@]} > 0)) || give_up "no tile left on the board to drag"
empty=0
while [[ " ${tiles[*]} " == *" $empty "* ]]; do empty=$((empty + 1)); done
drag_field "${tiles[0]}" "$empty"
park_pointer
wait_for_calm 20 300 || fail "the window still flashes $wait_limit s after the drop"
press_keys space alt+r
wait_for_pixel 33 300 "255 255 255" || fail "Alt+R did not show the rules panel"
check "after a drag Space presses no button: the sound stays off" \
  test "$(sound_caption)" == "$caption_off"
press_keys Escape

# Closed by Enter, the list hands the keys back to the main window, where
# the next arrow shows the cursor.
press_keys alt+h
wait_for_focus "$list_size" || fail "the list did not take the keyboard focus"
press_keys Return
wait_for_window_gone "$list_size" || fail "Enter did not close the list"
check "the main window has the keyboard focus again" wait_for_focus "$window_width $window_height"
press_keys Left
check "an arrow after the list closed shows the cursor round field $cursor" \
  wait_for_pixel $(($(field_left "$cursor") - 2)) $(($(field_top "$cursor") - 2)) "0 0 0"

# --- the symbols key ---------------------------------------------------------
[[ -e "$settings" ]] && fail "the settings were written before the player switched anything"
press_keys F2
deadline=$((SECONDS + wait_limit))
until grep -qx 'tileSymbols=true' "$settings" 2>/dev/null || ((SECONDS >= deadline)); do sleep 0.2; done
check "F2 switches the symbols on and remembers it" grep -qx 'tileSymbols=true' "$settings"

press_keys alt+f
expect_clean_exit "Alt+F"

# The next run starts with the symbols on: one F2 switches them off.
start_program
press_keys F2
deadline=$((SECONDS + wait_limit))
until grep -qx 'tileSymbols=false' "$settings" 2>/dev/null || ((SECONDS >= deadline)); do sleep 0.2; done
check "the next run remembered the symbols: F2 switches them off" \
  grep -qx 'tileSymbols=false' "$settings"
press_keys alt+f
expect_clean_exit "Alt+F"

finish
