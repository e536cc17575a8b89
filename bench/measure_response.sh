#!/usr/bin/env bash
# Response time of the game's window: from an input event, sent through the
# XTest extension as a keyboard or mouse would send it, to
#   - sound: the first sample of the sound it plays reaching the sound
#     server, a private PulseAudio server whose null sink is recorded
#     (bench/sink_onsets.py), with the test tones of tests/e2e/sound_tones.py
#     (a pitch of its own per file, after digital silence) as the sounds;
#   - frame: the first read of the screen that shows the window's answer
#     (window_probe input: the board's rows change, or the highscore list
#     shows its colour).
# Five actions, alternately, so that a busy machine slows all alike: the
# access keys Alt+L (start: sound2, three tiles) and Alt+H (the highscore
# list: sound6, a window of its own), clicks on the buttons that do the
# same, and a drop of a tile on an empty field with the mouse (sound2, the
# field shows the tile). Between runs the game is cancelled (Alt+P) or the
# list closed with its button. A run in which the game plays anything but
# the action's sound (a blocker after a drop) is left out and counted.
#
# Then the two drops after which a sound holds the game, a blocker's drop
# and the game's last drop, each timed from the release to the first read
# that shows a field's middle changed, in whole games played with sound on
# and off in turn (the game the sound test plans, tests/e2e/sound_game_plan,
# whose seed makes the window draw the planned tiles).
#
#   bench/measure_response.sh [BUILD_DIR] [RUNS]    (defaults: build, 7)
set -uo pipefail
# shellcheck source=bench/measure_common.sh
source "$(dirname "$0")/measure_common.sh"
# shellcheck source=tools/pulse_server.sh
source "$repo/tools/pulse_server.sh"
runs=${2:-7}
readonly goal=30  # ms, for every figure

planner="$build/tests/e2e/sound_game_plan"
[[ -x "$planner" ]] || { echo "missing $planner: cmake --build $build --target sound_game_plan" >&2; exit 2; }
for tool in pulseaudio pactl parec python3; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 2; }
done

# What each action must sound, by the test tones' numbers.
declare -A expected_sound=([alt_l]=2 [click_start]=2 [alt_h]=6 [click_list]=6 [drop]=2)
readonly actions=(alt_l click_start alt_h click_list drop)
declare -A label=([alt_l]="Alt+L" [click_start]="click start" [alt_h]="Alt+H"
  [click_list]="click highscore" [drop]="drop by mouse")

# --- the set-up ----------------------------------------------------------------
start_xvfb
export XDG_CONFIG_HOME="$workdir/config"
sounds_dir="$workdir/tones"
mkdir "$sounds_dir"
python3 "$repo/tests/e2e/sound_tones.py" make "$sounds_dir" || exit 1
pulse_start "$workdir/pulse" || exit 1
started_pids+=("$pulse_pid")
# Recorded at the sink's own rate, so that no resampling delays a sound.
rate=$(pactl list sinks short | awk -v sink="$pulse_sink" '$2 == sink { print $0 }' |
  grep -o '[0-9]*Hz' | tr -d Hz)
[[ -n "$rate" ]] || { echo "no sink $pulse_sink" >&2; exit 1; }

# A small latency keeps the sink's blocks short: the measure is the game's,
# not the sink's.
python3 "$repo/bench/sink_onsets.py" record "$workdir/sink.raw" "$workdir/sink.times" -- \
  parec -d "$pulse_sink.monitor" --raw --format=s16le --channels=1 --rate="$rate" \
  --latency-msec=5 2>>"$workdir/program.log" &
recorder_pid=$!
started_pids+=("$recorder_pid")
for _ in $(seq 100); do
  [[ -s "$workdir/sink.times" ]] && break
  sleep 0.05
done
[[ -s "$workdir/sink.times" ]] || { echo "parec records nothing" >&2; exit 1; }

start_kept game
X="" Y=""
eval "$(timeout 5 xdotool getwindowgeometry --shell "$kept_window" | grep -E '^[XY]=')"
[[ "$X$Y" =~ ^[0-9]+$ ]] || { echo "could not read the window's place" >&2; exit 1; }
readonly window_x=$X window_y=$Y
sleep 0.5  # the start-up sound

# --- places on the screen --------------------------------------------------------
# The centre of a field, "X,Y" on the screen.
field_on_screen() { echo "$((window_x + 68 + 63 * ($1 % 9))),$((window_y + 48 + 63 * ($1 / 9)))"; }
# A line through the middle of every row of the board: three new tiles
# change at least one of them.
board_rows=()
for ((row = 0; row < 9; row++)); do
  board_rows+=("$((window_x + 37)),$((window_y + 48 + 63 * row)),566x1")
done
# The buttons' middles, and the highscore list, centred on the window:
# a pixel of its background inside its black box.
readonly start_button="$((window_x + 700)),$((window_y + 306))"
readonly list_button="$((window_x + 700)),$((window_y + 468))"
readonly list_x=$((window_x + 204)) list_y=$((window_y + 166))
readonly list_shown="$((list_x + 5)),$((list_y + 5))=80ff80"

# --- the actions -------------------------------------------------------------------
# Sends input and notes its event time and its frame: act NAME WATCH... -- STEP...
act() {
  local name=$1 line
  shift
  line=$("$probe" input "$@" 2>>"$workdir/program.log")
  if [[ "$(field_of delay_ms "$line")" =~ ^[0-9.]+$ ]]; then
    echo "$name $(field_of event_ms "$line") $(field_of delay_ms "$line")" >>"$workdir/actions"
  else
    echo "$name: the window did not answer within 5 s: $line" >&2
    exit 1
  fi
  sleep 0.6  # the sound ends, and nothing else sounds in the half second after the event
}

focus_game() { timeout 5 xdotool windowfocus --sync "$kept_window" || exit 1; }
keys() { timeout 5 xdotool key --clearmodifiers "$@"; }
park_pointer() { timeout 5 xdotool mousemove --sync 2 2; }

# Waits up to five seconds until the board shows COUNT tiles: board_shows COUNT
board_shows() {
  for _ in $(seq 50); do
    (($(occupied_fields "$kept_window" | wc -l) == $1)) && return 0
    sleep 0.1
  done
  echo "the board does not show $1 tiles" >&2
  exit 1
}

# Cancels the game with Alt+P: the board is empty again.
cancel_game() {
  focus_game
  keys alt+p
  board_shows 0
}

# Closes the list with its button, which the pointer leaves again.
close_list() {
  timeout 5 xdotool mousemove --sync $((list_x + 287 + 36)) $((list_y + 233 + 10)) click 1
  park_pointer
  for _ in $(seq 50); do
    [[ "$("$probe" pixels "$kept_window" "209,171")" != 80ff80 ]] && break
    sleep 0.1
  done
  focus_game
}

# An access key, and what undoes it: access_key NAME LETTER UNDO WATCH...
access_key() {
  local name=$1 letter=$2 undo=$3
  shift 3
  focus_game
  act "$name" "$@" -- keydown:Alt_L "@keydown:$letter" "keyup:$letter" keyup:Alt_L
  "$undo"
}

# A click on a button, and what undoes it: click_button NAME X,Y UNDO WATCH...
click_button() {
  local name=$1 button=$2 undo=$3
  shift 3
  act "$name" "$@" -- "move:$button" wait:50 press:1 @release:1
  park_pointer
  "$undo"
}

measure_alt_l() { access_key alt_l l cancel_game "${board_rows[@]}"; }
measure_click_start() { click_button click_start "$start_button" cancel_game "${board_rows[@]}"; }
measure_alt_h() { access_key alt_h h close_list "$list_shown"; }
measure_click_list() { click_button click_list "$list_button" close_list "$list_shown"; }

# Drops the first tile of a new game on the first empty field after it.
measure_drop() {
  local source target from to
  focus_game
  keys alt+l
  board_shows 3
  sleep 0.6  # the start's sound
  mapfile -t tiles < <(occupied_fields "$kept_window")
  source=${tiles[0]}
  target=$(((source + 1) % 81))
  while [[ " ${tiles[*]} " == *" $target "* ]]; do target=$(((target + 1) % 81)); done
  from=$(field_on_screen "$source") to=$(field_on_screen "$target")
  # The outline that follows the pointer is drawn on the fields' edges,
  # never on their middles, which the watch reads.
  act drop "$from,1x1" "$to,1x1" -- "move:$from" wait:30 press:1 wait:30 \
    "move:$(((${from%,*} + ${to%,*}) / 2)),$(((${from#*,} + ${to#*,}) / 2))" wait:30 \
    "move:$to" wait:150 @release:1
  park_pointer
  cancel_game
}

park_pointer
for ((run = 1; run <= runs; run++)); do
  for action in "${actions[@]}"; do "measure_$action"; done
done
stop_process "$recorder_pid"
wait "$recorder_pid" 2>/dev/null

# --- the figures ---------------------------------------------------------------------
cut -d' ' -f1,2 "$workdir/actions" >"$workdir/events"
python3 "$repo/bench/sink_onsets.py" onsets "$workdir/sink.raw" "$workdir/sink.times" "$rate" \
  "$workdir/events" >"$workdir/onsets" || exit 1
# "NAME SOUND_MS FRAME_MS" of each run that sounded only its own sound.
paste -d' ' "$workdir/onsets" "$workdir/actions" | while read -r name onset heard _ _ frame; do
  if [[ "$heard" == "${expected_sound[$name]}" ]]; then
    echo "$name $onset $frame" >>"$workdir/kept"
  else
    echo "$name: left out, it sounded ${heard//,/ and } (sound ${expected_sound[$name]} expected)" >&2
  fi
done
[[ -s "$workdir/kept" ]] || { echo "no run sounded as expected" >&2; exit 1; }

# The values of one action's figure: values ACTION COLUMN (2 sound, 3 frame)
values() { awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$workdir/kept"; }
# "median / max" of one action's figure.
summary() {
  local median max
  median=$(values "$1" "$2" | median)
  max=$(values "$1" "$2" | sort -g | tail -n1)
  printf '%.1f / %.1f' "$median" "$max"
}

echo "response time, median / max in ms of $runs runs each"
table_header
for action in "${actions[@]}"; do
  count=$(values "$action" 2 | wc -l)
  if ((count == 0)); then
    row "${label[$action]}: every run left out" "" "" -
    continue
  fi
  runs_kept=""
  ((count < runs)) && runs_kept=" ($count runs)"
  for column in 2 3; do
    figure=sound
    ((column == 3)) && figure=frame
    max=$(values "$action" "$column" | sort -g | tail -n1)
    row "${label[$action]}: $figure$runs_kept" "$(summary "$action" "$column")" \
      "<= $goal" "$(holds "$max" "<=" "$goal")"
  done
done
# Every run, "sound/frame" in ms, to show the spread behind the medians.
for action in "${actions[@]}"; do
  echo "${label[$action]}: $(awk -v name="$action" '$1 == name { printf "%.1f/%.1f  ", $2, $3 }' \
    "$workdir/kept")"
done
load_note

# --- the drops that a waiting sound follows ------------------------------------------
plan=$("$planner") || { echo "no game plan: $plan" >&2; exit 1; }
seed=$(head -n1 <<<"$plan" | cut -d' ' -f2)
mapfile -t steps < <(tail -n +2 <<<"$plan")
blocker_step=""
for i in "${!steps[@]}"; do
  [[ "${steps[$i]}" == drop*5/0* ]] && { blocker_step=$i; break; }
done
last_step=$((${#steps[@]} - 1))
[[ -n "$blocker_step" && "${steps[$last_step]}" == *7/0* ]] || { echo "the plan lacks a blocker or an end" >&2; exit 1; }
# The middle of every field: the moved tile, the emptied field, the new
# tiles and the blocker all show there; the drag outline never does.
field_middles=()
for ((field = 0; field < 81; field++)); do field_middles+=("$(field_on_screen "$field"),1x1"); done

# Waits up to five seconds until the board shows the planned fields.
board_as_planned() {
  for _ in $(seq 50); do
    [[ "$(occupied_fields "$kept_window" | paste -sd,)" == "${1/#-/}" ]] && return 0
    sleep 0.1
  done
  echo "the board does not show the planned fields $1" >&2
  exit 1
}

# Plays the planned game with sound on or off, timing the two held drops:
# play_planned_game on|off
play_planned_game() {
  local sound=$1 i kind source target occupied from to middle
  BRELIKO_TEST_SEED=$seed start_kept game
  focus_game
  [[ "$sound" == off ]] && keys alt+m
  for i in "${!steps[@]}"; do
    read -r kind source target _ occupied <<<"${steps[$i]}"
    if [[ "$kind" == start ]]; then
      keys alt+l
    else
      from=$(field_on_screen "$source") to=$(field_on_screen "$target")
      middle="$(((${from%,*} + ${to%,*}) / 2)),$(((${from#*,} + ${to#*,}) / 2))"
      local drag=("move:$from" wait:30 press:1 wait:30 "move:$middle" wait:30 "move:$to" wait:50)
      if ((i == blocker_step || i == last_step)); then
        local name=blocker_drop line
        ((i == last_step)) && name=last_drop
        line=$("$probe" input "${field_middles[@]}" -- "${drag[@]}" @release:1 2>>"$workdir/program.log")
        echo "$name $sound $(field_of delay_ms "$line")" >>"$workdir/held"
      else
        "$probe" input "${field_middles[@]}" -- "${drag[@]}" @release:1 >/dev/null 2>>"$workdir/program.log"
      fi
      park_pointer
    fi
    board_as_planned "$occupied"
  done
  stop_process "$kept_pid"
}

for ((run = 1; run <= runs; run++)); do
  play_planned_game on
  play_planned_game off
done

# "median / max" of a held drop's frame: held_summary NAME on|off
held_summary() {
  local numbers median max
  numbers=$(awk -v name="$1" -v sound="$2" '$1 == name && $2 == sound { print $3 }' "$workdir/held")
  median=$(median <<<"$numbers")
  max=$(sort -g <<<"$numbers" | tail -n1)
  printf '%.1f / %.1f' "$median" "$max"
}
echo
echo "drops followed by a waiting sound (test tones: blocker 1.0 s, game end 1.5 s),"
echo "frame, median / max in ms of $runs runs each"
table_header
for drop in blocker_drop last_drop; do
  for sound in on off; do
    max=$(awk -v name="$drop" -v sound="$sound" '$1 == name && $2 == sound { print $3 }' "$workdir/held" | sort -g | tail -n1)
    row "${drop/_/ }: sound $sound" "$(held_summary "$drop" "$sound")" "<= $goal" "$(holds "$max" "<=" "$goal")"
  done
done
load_note
