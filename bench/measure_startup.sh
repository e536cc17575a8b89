#!/usr/bin/env bash
# Start-up time of the game's window against a bare Qt window of the same
# size and colour (bench/bare_window.cpp), the floor any Qt Widgets program
# pays. Both are started alternately, so that a busy machine slows both
# alike; each time runs from the fork to the window's MapNotify (mapped) and
# to the moment its pixels show the final colours (painted).
#
#   bench/measure_startup.sh [BUILD_DIR] [RUNS]    (defaults: build, 9)
set -uo pipefail
# shellcheck source=bench/measure_common.sh
source "$(dirname "$0")/measure_common.sh"
runs=${2:-9}

# Appends "mapped painted cpu" of one run to the file given.
one_run() {
  local line
  line=$(probe_start "$1") || { echo "$1: no painted window within 30 s: $line" >&2; exit 1; }
  sed -E 's/.*mapped_ms=([^ ]+) painted_ms=([^ ]+) cpu_ms=([^ ]+).*/\1 \2 \3/' <<<"$line" >>"$2"
}

start_xvfb
# One uncounted run each fills the page cache for both.
one_run bare /dev/null
one_run game /dev/null
for _ in $(seq "$runs"); do
  one_run bare "$workdir/bare.times"
  one_run game "$workdir/game.times"
done

bare_mapped=$(cut -d' ' -f1 "$workdir/bare.times" | median)
bare_painted=$(cut -d' ' -f2 "$workdir/bare.times" | median)
game_mapped=$(cut -d' ' -f1 "$workdir/game.times" | median)
game_painted=$(cut -d' ' -f2 "$workdir/game.times" | median)
bare_cpu=$(cut -d' ' -f3 "$workdir/bare.times" | median)
game_cpu=$(cut -d' ' -f3 "$workdir/game.times" | median)
ratio=$(awk -v g="$game_painted" -v b="$bare_painted" 'BEGIN { printf "%.2f", g / b }')
limit=$(awk -v b="$bare_painted" 'BEGIN { printf "%.1f", 1.3 * b }')

echo "start-up, median of $runs runs each"
table_header
row "bare window: exec to mapped (ms)" "$(printf %.1f "$bare_mapped")" "" -
row "bare window: exec to painted (ms)" "$(printf %.1f "$bare_painted")" "floor" -
row "bare window: CPU until painted (ms)" "$(printf %.1f "$bare_cpu")" "" -
row "game: exec to mapped (ms)" "$(printf %.1f "$game_mapped")" "" -
row "game: exec to painted (ms)" "$(printf %.1f "$game_painted")" "<= $limit" \
  "$(holds "$game_painted" "<=" "$limit")"
row "game: CPU until painted (ms)" "$(printf %.1f "$game_cpu")" "" -
row "game / bare, painted" "$ratio" "<= 1.30" "$(holds "$ratio" "<=" 1.3)"
# Every run, "mapped/painted/CPU" in ms, to show the spread behind the medians.
for which in bare game; do
  echo "$which runs: $(awk '{ printf "%.0f/%.0f/%.0f  ", $1, $2, $3 }' "$workdir/$which.times")"
done
load_note
