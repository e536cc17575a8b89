#!/usr/bin/env bash
# The real BRELIKO window under a window manager (openbox), as a desktop
# player meets it: the name entry stays in front when the board is clicked,
# Enter takes the name in and Escape closes the list, the window stays where
# it is when its margin or title is dragged or clicked, the question opens
# centred on the screen and Escape answers it "ne"; a game folder that
# cannot be made shows a window; and once the window manager has quit, the
# window takes the keyboard focus at launch as on a screen that never had one.
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

# Whether the main window stands at $1 for a whole second: a move that is not
# to come cannot be waited for, so the window is watched for a while.
stays_at() {
  local x y _
  for _ in $(seq 10); do
    read -r x y _ < <(window_geometry "$window")
    [[ "$x $y" == "$1" ]] || return 1
    sleep 0.1
  done
}

# --- a window that stays put ---------------------------------------------------
# Neither a drag nor a plain click (press and release at once, as a touchpad
# tap may send them) on the margin or the title moves the window, and after
# the click it does not follow the pointer either.
focus_main_window
read -r old_x old_y _ < <(window_geometry "$window")
for handle in "margin $((old_x + 10)) $((old_y + 300))" "title $((old_x + 560)) $((old_y + 40))"; do
  read -r name from_x from_y <<<"$handle"
  timeout 5 xdotool mousemove --sync "$from_x" "$from_y"
  timeout 5 xdotool mousedown 1
  for step in 1 2 3 4 5; do
    timeout 5 xdotool mousemove --sync $((from_x + 12 * step)) $((from_y + 8 * step))
  done
  timeout 5 xdotool mouseup 1
  timeout 5 xdotool mousemove --sync "$from_x" "$from_y" click 1
  timeout 5 xdotool mousemove --sync $((from_x + 60)) $((from_y + 40))
  timeout 5 xdotool mousemove --sync $((from_x + 90)) $((from_y + 70))
  check "a drag and a click on the $name leave the window where it was" stays_at "$old_x $old_y"
done

focus_main_window
press_keys alt+n
expect_small_window "the question opens centred on the screen" "$question_size" "$question_place"
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

# --- after the window manager has quit -----------------------------------------
# Openbox leaves the name of its check window on the root window when it
# quits, though the window itself goes. Another client stays connected, as
# a desktop's programs do: with none the X server would start afresh and
# forget the name.
timeout 60 xprop -root -spy _NET_ACTIVE_WINDOW >"$workdir/holder.log" 2>&1 &
holder_pid=$!
trap 'stop_process "$holder_pid"; cleanup' EXIT
# It prints the property's value once it is connected.
deadline=$((SECONDS + wait_limit))
until [[ -s "$workdir/holder.log" ]]; do
  ((SECONDS < deadline)) || give_up "xprop did not connect to the X server"
  sleep 0.1
done
stop_process "$wm_pid"
wait "$wm_pid" 2>/dev/null
wm_pid=""
stale_check=$(timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -oE '0x[0-9a-f]+')
# Without that name left behind the check below would prove nothing.
if [[ -n "$stale_check" ]] && ! timeout 5 xprop -id "$stale_check" >/dev/null 2>&1; then
  pass "openbox has quit, leaving the name of its gone check window on the root"
else
  fail "the root names no gone check window after openbox quit: ${stale_check:-none}"
fi
hand_focus=false start_program
check "with the window manager gone the window takes the keyboard focus at launch" \
  wait_for_focus "$window_width $window_height"
stop_program

finish
