#!/usr/bin/env bash
# Peak resident memory (VmHWM) of the game after a played game, against the
# bare Qt window of the same size and colour (bench/bare_window.cpp) once it
# is shown. The game is played by clicking occupied fields: a tile dropped
# on its own field moves nothing, so three new tiles follow, now and then a
# stripe with its tree and sound, until the board is full or enough drops
# are made.
#
#   bench/measure_memory.sh [BUILD_DIR] [DROPS]    (defaults: build, 30)
set -uo pipefail
# shellcheck source=bench/measure_common.sh
source "$(dirname "$0")/measure_common.sh"
max_drops=${2:-30}

# Presses on field $1, moves over in steps and lets go on field $2 (on its
# own field again for a plain click).
drag_field() {
  local x y to_x to_y step
  IFS=, read -r x y <<<"${field_points[$1]}"
  IFS=, read -r to_x to_y <<<"${field_points[$2]}"
  x=$((window_x + x)) y=$((window_y + y)) to_x=$((window_x + to_x)) to_y=$((window_y + to_y))
  timeout 5 xdotool mousemove --sync "$x" "$y" mousedown 1
  for step in 1 2 3 4; do
    # A few pixels off the centre, so that even a drop on the same field moves.
    timeout 5 xdotool mousemove $((x + 2 + (to_x - x) * step / 4)) \
      $((y + 2 + (to_y - y) * step / 4))
    sleep 0.02
  done
  timeout 5 xdotool mouseup 1 mousemove 2 2
}

# "source target" of a move towards a stripe: of the fives in a row, column
# or diagonal whose tiles all show one of the seven colours, the fullest
# (three at least) gets a tile of that colour from elsewhere on one of its
# empty fields. Nothing if there is none.
stripe_move() {
  field_colours "$window" | awk '
    BEGIN {
      split("ff0000 ffc400 ffff00 00ff00 00ffff 0000ff ff00ff", list)
      for (i in list) tile[list[i]] = 1
      best = 2
    }
    { colour[NR - 1] = $1 }
    function try(start, dr, dc,   k, f, empty, n, first, i) {
      empty = -1; n = 0; first = ""
      delete in_line
      for (k = 0; k < 5; k++) {
        f = start + k * (9 * dr + dc); in_line[f] = 1
        if (colour[f] == "e6ffe6") { empty = f; continue }
        if (first == "") first = colour[f]
        if (colour[f] != first) return
        n++
      }
      if (empty < 0 || n <= best || !(first in tile)) return
      for (i = 0; i < 81; i++)
        if (colour[i] == first && !(i in in_line)) { best = n; move = i " " empty; return }
    }
    END {
      for (r = 0; r < 9; r++) for (c = 0; c < 9; c++) {
        f = 9 * r + c
        if (c <= 4) try(f, 0, 1)
        if (r <= 4) try(f, 1, 0)
        if (r <= 4 && c <= 4) try(f, 1, 1)
        if (r <= 4 && c >= 4) try(f, 1, -1)
      }
      if (move != "") print move
    }'
}

# Waits up to two seconds for the set of occupied fields to differ from $1.
wait_for_change() {
  local deadline=$((SECONDS + 2))
  while ((SECONDS < deadline)); do
    [[ "$(occupied_fields "$window" | xargs)" != "$1" ]] && return 0
    sleep 0.05
  done
  return 1
}

# Plays until the board is full or max_drops drops are made; sets `played`.
play_game() {
  local before count now=0 move from to drops=0 attempts=0 aimed=0 dissolutions=0
  timeout 5 xdotool windowfocus --sync "$window" key --clearmodifiers alt+l
  wait_for_change "" || { echo "Alt+L started no game" >&2; exit 1; }
  while ((drops < max_drops && attempts < 3 * max_drops)); do
    attempts=$((attempts + 1))
    before=$(occupied_fields "$window" | xargs)
    count=$(wc -w <<<"$before")
    ((count == 81)) && break
    move=$(stripe_move)
    # Without a stripe to complete, a tile dropped on its own field brings
    # three new ones. A blocker does not react; the next try takes another.
    if [[ -n "$move" ]]; then
      read -r from to <<<"$move"
      aimed=$((aimed + 1))
    else
      from=$(tr ' ' '\n' <<<"$before" | shuf -n1) to=$from
    fi
    drag_field "$from" "$to"
    wait_for_change "$before" || continue
    drops=$((drops + 1))
    sleep 0.5  # past a colour dissolution's 400 ms of flames
    # Three new tiles come (four with a blocker) unless the move made a
    # stripe, or a stripe, square or chance dissolution took some.
    now=$(occupied_fields "$window" | wc -l)
    ((now < (count + 3 > 81 ? 81 : count + 3))) && dissolutions=$((dissolutions + 1))
  done
  played="$drops drops ($aimed aimed at a stripe), $dissolutions followed by dissolved tiles,"
  played+=" $now fields occupied"
}

start_xvfb
start_kept bare
bare_pid=$kept_pid
sleep 1
bare_hwm=$(status_kb "$bare_pid" VmHWM)
stop_process "$bare_pid"

start_kept game
game_pid=$kept_pid window=$kept_window
eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^[XY]=')"
window_x=$X window_y=$Y
game_start_hwm=$(status_kb "$game_pid" VmHWM)
play_game
sleep 1
game_hwm=$(status_kb "$game_pid" VmHWM)
game_rss=$(status_kb "$game_pid" VmRSS)
limit=$((bare_hwm * 13 / 10))
ratio=$(awk -v g="$game_hwm" -v b="$bare_hwm" 'BEGIN { printf "%.2f", g / b }')

echo "peak resident memory (VmHWM); game: $played"
table_header
row "bare window, shown (kB)" "$bare_hwm" floor -
row "game, right after start-up (kB)" "$game_start_hwm" "" -
row "game, after the game (kB)" "$game_hwm" "<= $limit" "$((game_hwm <= limit))"
row "game, resident now (VmRSS, kB)" "$game_rss" "" -
row "game / bare" "$ratio" "<= 1.30" "$(holds "$ratio" "<=" 1.3)"
grep -v "^$" "$workdir/program.log" | sort | uniq -c | sed 's/^/program said: /'
load_note
