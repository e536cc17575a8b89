#!/usr/bin/env bash
# The real BRELIKO window under a window manager (openbox), as a desktop
# player meets it: the name entry stays in front when the board is clicked,
# Enter takes the name in and Escape closes the list, the window moves when
# its margin is dragged and the question then opens centred on it, Escape
# answers it "ne"; and a game folder that cannot be made shows a window.
#
#   window_manager_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

e2e_setup "$@"
require_tools openbox xprop
start_xvfb

wm_pid=""
trap 'stop_process "$wm_pid"; cleanup' EXIT
HOME="$workdir" openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
wm_running() { timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
deadline=$((SECONDS + 30))
until wm_running; do
  ((SECONDS < deadline)) || give_up "openbox did not start: $(cat "$workdir/openbox.log")"
  sleep 0.1
done
pass "openbox manages the screen"

# The windows from the bottom of the stack to the top, as the window manager
# keeps them, in decimal.
stacking() {
  timeout 5 xprop -root -notype _NET_CLIENT_LIST_STACKING | grep -oE '0x[0-9a-f]+' |
    while read -r id; do echo $((id)); done
}
active_window() { timeout 5 xprop -root -notype _NET_ACTIVE_WINDOW | grep -oE '0x[0-9a-f]+'; }

# Whether window $1 lies above window $2.
stacked_above() {
  local order
  order=$(stacking)
  (($(grep -nx "$1" <<<"$order" | cut -d: -f1) > $(grep -nx "$2" <<<"$order" | cut -d: -f1)))
}

# Every game beats a tenth place of -1, a game without a point too.
readonly date="01.05.24 12:00:00"
for place in $(seq 11); do
  case $place in
    10) highscore_record -1 "Deka" "$date" ;;
    11) highscore_record -2 "Dekunua" "$date" ;;
    *) highscore_record $((10000 - 1000 * place)) "Loko $place" "$date" ;;
  esac
done >"$rundir/P1.dat"

# --- the name entry in front --------------------------------------------------
start_program
play_to_full_board
expect_small_window "the game's end asks for a name" "$entry_size" "$entry_place" ||
  give_up "no name entry"
read -r entry _ < <(wait_for_window "$entry_size")
before=$(active_window)
click_field 40
# The click lands once the window manager has made the main window active.
deadline=$((SECONDS + 10))
while [[ "$(active_window)" == "$before" ]] && ((SECONDS < deadline)); do sleep 0.1; done
check "a click on the board leaves the name entry above the main window" stacked_above "$entry" "$window"
take_screenshot
check "the name entry still shows" test "$(screen_pixel $((small_x + 5)) $((small_y + 5)))" == "$dialog_colour"

timeout 5 xdotool windowactivate --sync "$entry" 2>/dev/null || timeout 5 xdotool windowfocus --sync "$entry"
timeout 10 xdotool type --delay 30 "Openbox"
press_keys Return
expect_small_window "Enter takes the name in and shows the list" "$list_size" "$list_place"
check "the name is in the file" grep -q "Openbox" "$rundir/P1.dat"
press_keys Escape
check "Escape closes the list" wait_for_window_gone "$list_size"

# --- moving the window ----------------------------------------------------------
focus_main_window
read -r old_x old_y _ < <(window_geometry "$window")
from_x=$((old_x + 10)) from_y=$((old_y + 300))
timeout 5 xdotool mousemove --sync "$from_x" "$from_y"
timeout 5 xdotool mousedown 1
for step in 1 2 3 4 5; do
  timeout 5 xdotool mousemove --sync $((from_x + 12 * step)) $((from_y + 8 * step))
  sleep 0.05
done
timeout 5 xdotool mouseup 1
deadline=$((SECONDS + 10))
while read -r window_x window_y _ < <(window_geometry "$window"); [[ "$window_x $window_y" == "$old_x $old_y" ]]; do
  ((SECONDS < deadline)) || break
  sleep 0.1
done
check "a drag on the margin moves the window by the drag" \
  test "$window_x $window_y" == "$((old_x + 60)) $((old_y + 40))"

focus_main_window
press_keys alt+n
expect_small_window "the question opens centred on the moved window" "$question_size" \
  "$((window_x + 275)) $((window_y + 228))"
cp "$rundir/P1.dat" "$workdir/before-question"
press_keys Escape
check "Escape closes the question" wait_for_window_gone "$question_size"
check "Escape answers no: the list is kept" cmp -s "$rundir/P1.dat" "$workdir/before-question"

focus_main_window
press_keys alt+f
expect_clean_exit "Alt+F"

# --- a game folder that cannot be made -------------------------------------------
: >"$workdir/not-a-folder"
XDG_DATA_HOME="$workdir/not-a-folder" "$program" --user-game-folder >"$workdir/failure.log" 2>&1 &
app_pid=$!
message=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1)
if [[ -n "$message" ]]; then
  pass "a window tells of the failure"
  timeout 5 xdotool windowactivate --sync "$message" 2>/dev/null
  check "the line on standard error names the folder" grep -q "not-a-folder/breliko" "$workdir/failure.log"
  press_keys Return
else
  fail "no window told of the failure"
fi
status=0
deadline=$((SECONDS + 10))
while kill -0 "$app_pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
wait "$app_pid" || status=$?
app_pid=""
check "the program then ends with status 1" test "$status" -eq 1

finish
