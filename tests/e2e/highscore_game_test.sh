#!/usr/bin/env bash
# A whole game in the real BRELIKO window on a virtual X screen, played to a
# full board, and the highscore it brings: the name entry, a name with
# Esperanto letters stored in ISO-8859-3, the list window, the list again
# after a restart, and a second game measured against the new tenth place.
#
#   highscore_game_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

e2e_setup "$@"
require_tools iconv cmp setxkbmap
start_xvfb

# The Esperanto layout puts ĉ ĝ ĥ ĵ ŝ ŭ on keys of their own. Without it
# xdotool would bind each such letter to a spare key just for the moment of
# typing it, and the program may read the keyboard map after it has changed
# back.
timeout 10 setxkbmap -layout epo || give_up "could not switch the keyboard to Esperanto"

readonly player="Ĉiu eĥo ŝanĝu ĵaŭde"
readonly date="01.05.24 12:00:00"
highscore="$rundir/P1.dat"

# Nine places far out of any game's reach, a tenth with -1 (FF FF), so that
# every finished game beats it, even one without a point, and an eleventh
# that the new entry replaces.
prepared_record() {
  case $1 in
    10) highscore_record -1 "Deka" "$date" ;;
    11) highscore_record -2 "Dekunua" "$date" ;;
    *) highscore_record $((10000 - 1000 * $1)) "Naŭa ŝanco $1" "$date" ;;
  esac
}
for place in $(seq 11); do prepared_record "$place"; done >"$highscore"

# --- the list window -----------------------------------------------------------
# Its rows lie at y = 20 + 20 i, 19 pixels high, the cells from x = 32 to
# 360. A checksum of the rows from `first` up to, not including, `end`.
list_rows_digest() {
  screen_area_digest $((small_x + 30)) $((small_y + 20 + 20 * $1)) 332 $((20 * ($2 - $1) - 1))
}

# Alt+H shows the list; the show command renames the list's button "reiri",
# which has no access key, so a click on it closes the list.
open_list() {
  focus_main_window
  press_keys alt+h
  expect_small_window "$1" "$list_size" "$list_place"
}

close_list() {
  click_screen $((small_x + 287 + 36)) $((small_y + 233 + 10))
  wait_for_window_gone "$list_size" || fail "the list's button did not close it"
  focus_main_window
}

# A stripe brings 4 points and a square 17: whether a score is made of them
# and is at least 4 for each scoring drop: scored_points SCORE DROPS
scored_points() {
  local squares
  (($1 >= 4 * $2)) || return 1
  for ((squares = 0; 17 * squares <= $1; squares++)); do
    ((($1 - 17 * squares) % 4 == 0)) && return 0
  done
  return 1
}

# --- the first run: a game that enters the list -------------------------------
start_program
open_list "Alt+H before the game"
before_top_nine=$(list_rows_digest 0 9)
before_tenth=$(list_rows_digest 9 10)
close_list

play_to_full_board
expect_small_window "the game's end asks for a name" "$entry_size" "$entry_place" ||
  give_up "no name entry after a game that beat the tenth place (-1)"
# Keys go to the name box once the entry window has the focus.
wait_for_focus "$entry_size" || fail "the name entry did not get the keyboard focus"
# Each letter is sent as the key of its key symbol: `xdotool type` now and
# then drops a letter outside ASCII, even where the layout has its key.
key_symbols() {
  local LC_ALL=C.UTF-8 text=$1 i
  for ((i = 0; i < ${#text}; i++)); do
    case ${text:i:1} in
      Ĉ) echo shift+ccircumflex ;; ĉ) echo ccircumflex ;; ĝ) echo gcircumflex ;;
      ĥ) echo hcircumflex ;; ĵ) echo jcircumflex ;; ŝ) echo scircumflex ;;
      ŭ) echo ubreve ;; " ") echo space ;; *) echo "${text:i:1}" ;;
    esac
  done
}
mapfile -t keys < <(key_symbols "$player")
timeout 20 xdotool key --delay 40 "${keys[@]}"
press_keys alt+k  # "kontinui"
wait_for_window_gone "$entry_size" || fail "Alt+K (kontinui) left the name entry open"
expect_small_window "the name entry shows the list" "$list_size" "$list_place"

# The new entry takes the tenth place, the -1 moves to the eleventh, and
# the -2 is gone.
score=$(record_score "$highscore" 10)
size=$(stat -c %s "$highscore")
((size == 429)) || fail "P1.dat has $size bytes after the entry, expected 429"
unchanged=true
for place in $(seq 9); do
  [[ "$(record_hex "$highscore" "$place")" == "$(expected_record_hex \
    $((10000 - 1000 * place)) "Naŭa ŝanco $place" "$date")" ]] || unchanged=false
done
check "places 1 to 9 are as they were" $unchanged
check "the -1 of the tenth place has moved to the eleventh" \
  test "$(record_hex "$highscore" 11)" == "$(prepared_record 10 | as_hex)"

# Score, name in ISO-8859-3 (Ĉ C6, ĥ B6, ŝ FE, ĝ F8, ĵ BC, ŭ FD), padded to
# 20 bytes; the date is the program's, 17 bytes that are not all blank.
entry=$(record_hex "$highscore" 10)
expected_name=$(latin3_field "$player" 20 | as_hex)
if [[ "${entry:4:40}" == "$expected_name" ]]; then
  pass "the tenth place holds the name in ISO-8859-3: ${entry:4:40}"
else
  fail "the tenth place's name bytes are ${entry:4:40}, expected $expected_name"
fi
[[ "${entry:44:34}" =~ ^(20)+$ ]] && fail "the tenth place has a blank date"
if ((scoring_drops == 0)); then
  check "the tenth place holds the game's score 0 (read $score)" test "$score" -eq 0
else
  check "the tenth place holds $score points, made of 4s and 17s in $scoring_drops scoring drops" \
    scored_points "$score" "$scoring_drops"
fi

take_screenshot
after_top_ten=$(list_rows_digest 0 10)
check "the list's first nine rows are as before the game" \
  test "$(list_rows_digest 0 9)" == "$before_top_nine"
check "the list's tenth row shows the new entry" \
  test "$(list_rows_digest 9 10)" != "$before_tenth"
close_list
press_keys alt+f
expect_clean_exit "Alt+F after the entry"
cp "$highscore" "$workdir/P1.after"

# --- the second run: the entry stays -------------------------------------------
start_program
open_list "Alt+H after a restart"
check "after a restart the list shows the same ten rows" \
  test "$(list_rows_digest 0 10)" == "$after_top_ten"
check "P1.dat is as the entry left it" cmp -s "$highscore" "$workdir/P1.after"
close_list

# The threshold is now the new tenth place, the first game's score. A
# second game enters only with a higher score: one without a point never
# does (the same score is not enough), one that scored does after a first
# game without a point.
first_score=$score
play_to_full_board
if ((scoring_drops == 0)); then
  # Alt+H is taken only after the game-end sound, when the name entry
  # would already have opened: once the list shows, the entry would too.
  focus_main_window
  press_keys alt+h
  expect_small_window "Alt+H after the second game shows the list" "$list_size" "$list_place"
  if window_shown "$entry_size"; then
    fail "a second game with 0 points asks for a name, the tenth place holding $first_score"
  else
    pass "a second game with 0 points asks for no name, the tenth place holding $first_score"
  fi
  close_list
elif ((first_score == 0)); then
  expect_small_window "a second game that scored beats the tenth place (0)" \
    "$entry_size" "$entry_place"
else
  note "both games scored: whether the second beats the first is not known here"
fi

focus_main_window
press_keys alt+f
expect_clean_exit "Alt+F"

finish
