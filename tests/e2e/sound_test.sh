#!/usr/bin/env bash
# Listens to the real BRELIKO window through a private PulseAudio server
# with a null sink. The game's sounds are the test's own: a pure tone of a
# pitch of its own for each file, so that the recording of the sink tells
# which file sounded, when, and for how long. A game worked out beforehand
# (sound_game_plan, with the seed the window is given) brings every sound.
#
#   sound_test.sh PROGRAM SOUNDS_DIR PLANNER
#
# 1. Sound on: the start-up, the start of a game (Alt+L), every drop of the
#    planned game (plain drops, a stripe, a square, a blocker, the game's
#    end) and Alt+H each sound their own file whole; Alt+H pressed while
#    the blocker or the game-end sound plays sounds only once it has ended.
# 2. Sound off (Alt+M): the same game is silent after the start-up sound.
# 3. Long waiting sounds: the blocker's drop and the game's last drop show
#    on the board while their sound still holds the game. The server killed
#    in the middle of the blocker's sound: the program neither crashes nor
#    hangs past the sound's bound, and the game goes on; a new server on the
#    same socket brings the sound back.
#
# The test starts its own servers whatever PULSE_SERVER says, since it
# records everything the sink plays and kills one of them.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/e2e_lib.sh"
source "$here/../../tools/pulse_server.sh"

if (($# != 3)); then
  echo "usage: $0 PROGRAM SOUNDS_DIR PLANNER" >&2
  exit 2
fi
planner=$(realpath "$3")
e2e_setup "$1" "$2"
require_tools pulseaudio pactl parec python3
tones="python3 $here/sound_tones.py"

rec_pid=""
rec_file=""
rec_start=""
stop_all() {
  [[ -n "$rec_pid" ]] && stop_process "$rec_pid"
  pulse_stop
  cleanup
}
trap stop_all EXIT

# The test's own sounds instead of the game's.
rm "$rundir/sounds"
mkdir "$rundir/sounds"
$tones make "$rundir/sounds" || give_up "could not write the test's wave files"

# Ten places far out of reach: no game of the test asks for a name.
for place in $(seq 10); do highscore_record $((32000 - place)) "Neatingebla $place" "01.05.24 12:00:00"; done \
  >"$rundir/P1.dat"

plan=$("$planner") || give_up "no game plan: $plan"
seed=$(head -n1 <<<"$plan" | cut -d' ' -f2)
export BRELIKO_TEST_SEED=$seed
mapfile -t steps < <(tail -n +2 <<<"$plan")
note "seed $seed: a game of ${#steps[@]} steps"

start_xvfb
pulse_start "$workdir/pulse" || give_up "no PulseAudio server"

# --- recording ---------------------------------------------------------------
# Records the sink into a file and keeps in rec_start the wall-clock time of
# its first sample: the server delivers the samples as the sink plays them.
start_recording() {
  local file=$1 size=0
  rec_file=$file
  parec -d "$pulse_sink.monitor" --raw --format=s16le --channels=1 --rate=8000 \
    --latency-msec=20 >"$file" 2>>"$workdir/parec.log" &
  rec_pid=$!
  for _ in $(seq 500); do
    size=$(stat -c %s "$file" 2>/dev/null || echo 0)
    ((size > 0)) && break
    sleep 0.01
  done
  ((size > 0)) || give_up "parec records nothing: $(cat "$workdir/parec.log")"
  rec_start=$(awk -v now="$EPOCHREALTIME" -v size="$size" 'BEGIN { printf "%.3f", now - size / 16000 }')
}

# Stops the recording once it holds the sink's samples up to 0.3 s past
# now, so that the last sound is whole in it.
stop_recording() {
  local until size deadline=$((SECONDS + wait_limit))
  until=$(awk -v now="$EPOCHREALTIME" -v start="$rec_start" 'BEGIN { print int((now - start + 0.3) * 16000) }')
  until size=$(stat -c %s "$rec_file" 2>/dev/null || echo 0); ((size >= until || SECONDS >= deadline)); do
    sleep 0.05
  done
  stop_process "$rec_pid"
  wait "$rec_pid" 2>/dev/null
  rec_pid=""
}

# Notes an action for the judge: mark WHAT SOUNDS [HELD_BY]
events=""
mark() {
  local time
  time=$(awk -v now="$EPOCHREALTIME" -v start="$rec_start" 'BEGIN { printf "%.3f", now - start }')
  echo "$time|$1|$2|${3:--}" >>"$events"
}

# --- the planned game ------------------------------------------------------------
# The occupied fields as the plan writes them: "3,17,40" or "-".
occupied_list() {
  local fields
  fields=$(occupied_fields | paste -sd,)
  echo "${fields:--}"
}

# Waits until the board shows the fields the plan expects, for at most the
# time given in seconds.
wait_for_board() {
  local deadline=$((SECONDS + $2))
  while true; do
    take_screenshot
    [[ "$(occupied_list)" == "$1" ]] && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Shows the list with Alt+H while a waiting sound plays, then closes it.
highscore_during_wait() {
  local held_by=$1
  sleep 0.3
  mark "Alt+H during sound$held_by" "6/1" "$held_by"
  press_keys alt+h
  expect_small_window "Alt+H" "$list_size" "$list_place" >/dev/null || return
  click_screen $((small_x + 287 + 36)) $((small_y + 233 + 10))
  wait_for_window_gone "$list_size" || fail "the list's button did not close it"
  focus_main_window
}

# Drops field `from` onto field `to` like drag_field, and notes the drop
# for the judge at the moment the button is let go.
drop_and_mark() {
  local from=$1 to=$2 what=$3 sounds=$4
  local from_x=$((window_x + $(field_centre_x "$from"))) from_y=$((window_y + $(field_centre_y "$from")))
  local to_x=$((window_x + $(field_centre_x "$to"))) to_y=$((window_y + $(field_centre_y "$to")))
  timeout 5 xdotool mousemove --sync "$from_x" "$from_y"
  timeout 5 xdotool mousedown 1
  if ((from != to)); then
    timeout 5 xdotool mousemove --sync $(((from_x + to_x) / 2)) $(((from_y + to_y) / 2))
    timeout 5 xdotool mousemove --sync "$to_x" "$to_y"
  fi
  mark "$what" "$sounds"
  timeout 5 xdotool mouseup 1
}

# A waiting sound among a step's sounds ("5" or "7"), if any.
waiting_sound() { grep -o '[57]/0' <<<"$1" | head -n1 | cut -c1; }

# Plays the steps of the plan from `first` up to, not including, `end`:
# play_steps FIRST END PAUSE. PAUSE lets the last sound of a step end.
play_steps() {
  local first=$1 end=$2 pause=$3 i kind from to sounds occupied held
  for ((i = first; i < end; i++)); do
    read -r kind from to sounds occupied <<<"${steps[$i]}"
    [[ "$sound_on" == true ]] || sounds="-"
    if [[ "$kind" == start ]]; then
      mark "Alt+L" "$sounds"
      press_keys alt+l
    else
      drop_and_mark "$from" "$to" "drop $i ($from to $to)" "$sounds"
      park_pointer
      held=$(waiting_sound "$sounds")
      [[ -n "$held" && "$sound_on" == true ]] && highscore_during_wait "$held"
    fi
    wait_for_board "$occupied" 8 ||
      give_up "step $i: the board shows fields $(occupied_list), the plan $occupied"
    sleep "$pause"
  done
}

# --- 1. sound on ---------------------------------------------------------------
events="$workdir/events_on"
sound_on=true
start_recording "$workdir/on.raw"
mark "start-up" "1/1"
start_program
sleep 0.5
play_steps 0 ${#steps[@]} 0.45
stop_recording
echo "--- sound on: what the sink played ---"
$tones judge "$workdir/on.raw" "$events" | tee "$workdir/judged_on"
failures=$((failures + $(grep -c '^FAIL' "$workdir/judged_on")))
press_keys alt+f
expect_clean_exit "Alt+F after the game with sound"

# --- 2. sound off --------------------------------------------------------------
events="$workdir/events_off"
sound_on=false
start_recording "$workdir/off.raw"
mark "start-up" "1/1"
start_program
sleep 0.5
mark "Alt+M (sound off)" "-"
press_keys alt+m
play_steps 0 ${#steps[@]} 0
mark "Alt+H" "-"
press_keys alt+h
sleep 0.5
stop_recording
echo "--- sound off: what the sink played ---"
$tones judge "$workdir/off.raw" "$events" | tee "$workdir/judged_off"
failures=$((failures + $(grep -c '^FAIL' "$workdir/judged_off")))
stop_program

# --- 3. the server killed during a waiting sound -----------------------------------
readonly long_wait=4
$tones make "$rundir/sounds" "$long_wait"
blocker_step=""
for i in "${!steps[@]}"; do
  [[ "${steps[$i]}" == drop*5/0* ]] && { blocker_step=$i; break; }
done
sound_on=true
events="$workdir/events_kill"
start_program
play_steps 0 "$blocker_step" 0
read -r _ from to sounds occupied <<<"${steps[$blocker_step]}"
drop_and_mark "$from" "$to" "the blocker drop" "$sounds"
drop_time=$EPOCHREALTIME
park_pointer
# The window shows the whole drop, blocker included, before the sound that
# holds the game has ended.
shown_before_sound_ends() {
  local what=$1 shown
  if wait_for_board "$2" "$long_wait"; then
    shown=$(seconds_since "$drop_time")
    if awk -v shown="$shown" -v bound="$long_wait" 'BEGIN { exit !(shown < bound) }'; then
      pass "$what shows $shown s after the drop, while its ${long_wait} s sound plays"
      return
    fi
  fi
  fail "$what shows only once its ${long_wait} s sound has ended"
}
seconds_since() { awk -v now="$EPOCHREALTIME" -v start="$1" 'BEGIN { printf "%.1f", now - start }'; }
shown_before_sound_ends "the blocker's drop" "$occupied"
sleep "$(awk -v now="$EPOCHREALTIME" -v start="$drop_time" 'BEGIN { w = start + 1 - now; print (w > 0) ? w : 0 }')"
kill -KILL "$pulse_pid"
wait "$pulse_pid" 2>/dev/null
pulse_pid=""
# The next drop, made while the sound still holds the game, shows once the
# sound's bound has let go of it.
next=$((blocker_step + 1))
read -r _ from to sounds occupied <<<"${steps[$next]}"
drop_and_mark "$from" "$to" "drop $next" "$sounds"
park_pointer
if wait_for_board "$occupied" $((long_wait + 5)); then
  waited=$(seconds_since "$drop_time")
  if awk -v waited="$waited" -v bound="$long_wait" 'BEGIN { exit !(waited < bound + 1.5) }'; then
    pass "server killed 1 s into the ${long_wait} s blocker sound: the next drop shows ${waited} s after the blocker's"
  else
    fail "server killed 1 s into the ${long_wait} s blocker sound: the next drop showed only ${waited} s after the blocker's"
  fi
else
  give_up "the window does not show the drop after the blocker's once the server was killed"
fi
kill -0 "$app_pid" 2>/dev/null || give_up "the program ended when its sound server died"
pass "the game goes on without a server: step $next as planned"

# A new server on the same socket.
pulse_start "$workdir/pulse" || give_up "no second PulseAudio server"
start_recording "$workdir/back.raw"
play_steps $((next + 1)) $((next + 6)) 1
stop_recording
back=$($tones listen "$workdir/back.raw" | awk '$1 == 2' | wc -l)
if ((back > 0)); then
  pass "a new server on the same socket: $back of 5 drops heard again"
else
  fail "a new server on the same socket: no sound came back in 5 drops"
fi
kill -0 "$app_pid" 2>/dev/null || give_up "the program has ended"

# The game's last drop: the full board shows while the game-end sound plays.
last=$((${#steps[@]} - 1))
play_steps $((next + 6)) "$last" 0
read -r _ from to sounds occupied <<<"${steps[$last]}"
drop_and_mark "$from" "$to" "the last drop" "$sounds"
drop_time=$EPOCHREALTIME
park_pointer
shown_before_sound_ends "the full board of the game's last drop" "$occupied"
press_keys alt+f
expect_clean_exit "Alt+F after the server came back"
finish
