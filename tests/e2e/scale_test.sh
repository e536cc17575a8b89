#!/usr/bin/env bash
# The real BRELIKO window on a screen of two device pixels to the pixel
# (QT_SCALE_FACTOR=2 on a 2048 x 1536 virtual screen): its size and place,
# even gaps between the fields, a smooth tree, bevels of two-pixel rings
# and a drag that moves a tile, each checked from the screen's own pixels.
#
#   scale_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
# shellcheck disable=SC2034  # read by e2e_lib.sh
screen_width=2048 screen_height=1536 window_width=1600 window_height=1200
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
export QT_SCALE_FACTOR=2
readonly scale=2

# Fields as the window lays them out, in device pixels.
field_centre_x() { echo $(((37 + 63 * ($1 % 9) + 31) * scale)); }
field_centre_y() { echo $(((17 + 63 * ($1 / 9) + 31) * scale)); }

e2e_setup "$@"
start_xvfb
start_program

# --- size and place ----------------------------------------------------------
expect_main_window 224 168 1600 1200

# --- the board's grid --------------------------------------------------------
# Runs of the base colour along a line of the window (x y dx dy count) as
# "start length" lines.
base_runs() {
  local x=$1 y=$2 dx=$3 dy=$4 count=$5 i
  for ((i = 0; i < count; i++)); do
    screen_pixel $((window_x + x + i * dx)) $((window_y + y + i * dy))
  done | awk -v base="$base_colour" '
    $0 == base { if (start < 0) start = NR - 1; next }
    start >= 0 { print start, NR - 1 - start; start = -1 }
    BEGIN { start = -1 }
    END { if (start >= 0) print start, NR - start }'
}

# "fields N, sizes S..., gaps G..." of a line of runs.
describe_runs() {
  awk '{ sizes[$2] = 1; if (NR > 1) gaps[$1 - end] = 1; end = $1 + $2; n++ }
       END {
         printf "fields %d, sizes", n; for (s in sizes) printf " %s", s
         printf ", gaps"; for (g in gaps) printf " %s", g; print ""
       }'
}

take_screenshot
expected_grid="fields 9, sizes 124, gaps 2"
for line in "0 600 1 0 1230" "0 100 1 0 1230" "1200 0 0 1 1200 " "100 0 0 1 1200"; do
  read -r x y dx dy count <<<"$line"
  described=$(base_runs "$x" "$y" "$dx" "$dy" "$count" | describe_runs)
  if [[ "$described" == "$expected_grid" ]]; then
    pass "board line from ($x, $y): $described"
  else
    fail "board line from ($x, $y): $described; expected $expected_grid"
  fi
done
expect_pixel "frame, outer ring, second device row" 800 1 "0 245 0"
expect_pixel "frame, second ring" 800 2 "0 210 0"
expect_pixel "frame, last corner" 1599 1199 "0 5 0"

# --- the tree ----------------------------------------------------------------
# The drawing area of the canvas: (626, 127) and 148 pixels square at 1x.
# A 1x drawing blown up is made of 2 x 2 blocks of one colour; a smooth one
# has edges within the blocks and shades between tree and background.
read -r blocks shades < <(
  for ((row = 127 * scale; row < 275 * scale; row++)); do
    od -An -tu1 -v -w3 -N $((148 * scale * 3)) \
      -j $((((window_y + row) * screen_width + window_x + 626 * scale) * 3)) "$workdir/screen.rgb"
  done | awk -v width=$((148 * scale)) '
    { colour[NR - 1] = $0; seen[$0] = 1 }
    END {
      height = int(NR / width)
      for (y = 0; y + 1 < height; y += 2) {
        for (x = 0; x + 1 < width; x += 2) {
          i = y * width + x
          if (colour[i] != colour[i + 1] || colour[i] != colour[i + width] ||
              colour[i] != colour[i + width + 1]) mixed++
        }
      }
      for (c in seen) shades++
      print mixed + 0, shades
    }')
if ((blocks > 500 && shades > 10)); then
  pass "the tree is smooth: $blocks 2 x 2 blocks of more than one colour, $shades shades"
else
  fail "the tree looks blown up: $blocks mixed 2 x 2 blocks, $shades shades"
fi

# --- a game, a tile and a drag -----------------------------------------------
press_keys alt+l
if wait_for_occupied -eq 3; then
  pass "Alt+L starts a game with three tiles"
else
  fail "Alt+L: $(count_occupied) fields occupied after the start, expected 3"
fi
mapfile -t before < <(occupied_fields)
source_field=${before[0]}
# The tile's bevel rings, down from the middle of its top edge: two device
# rows each.
tile_x=$(((37 + 63 * (source_field % 9) + 31) * scale))
tile_y=$(((17 + 63 * (source_field / 9)) * scale))
ring=()
for depth in 0 1 2 3; do ring+=("$(pixel "$tile_x" $((tile_y + depth)))"); done
if [[ "${ring[0]}" == "${ring[1]}" && "${ring[2]}" == "${ring[3]}" && "${ring[1]}" != "${ring[2]}" ]]; then
  pass "field $source_field: bevel rings of two device rows (${ring[0]} / ${ring[2]})"
else
  fail "field $source_field: top rows ${ring[*]}, expected rings of two device rows"
fi

# An empty field well away from every tile, a drag there, and the tile on it.
target_field=-1
for candidate in 40 0 8 72 80 4 36 44 76; do
  [[ " ${before[*]} " == *" $candidate "* ]] && continue
  target_field=$candidate
  break
done
source_colour=$(field_centre "$source_field")
drag_field "$source_field" "$target_field"
park_pointer
# The drop shows as the tile on the target, or as a chance colour
# dissolution's flash.
deadline=$((SECONDS + wait_limit))
while take_screenshot; [[ "$(field_centre "$target_field")" != "$source_colour" &&
  "$(pixel 20 600)" == "$window_colour" ]]; do
  ((SECONDS < deadline)) || break
  sleep 0.2
done
wait_for_calm 20 600 || fail "the window still flashes $wait_limit s after the drop"
target_colour=$(field_centre "$target_field")
if [[ "$target_colour" == "$source_colour" ]]; then
  pass "drag $source_field -> $target_field: the target shows the dragged tile RGB($source_colour)"
elif [[ "$(pixel 20 600)" != "$window_colour" ]]; then
  note "a chance colour dissolution followed the drop; the tile may have gone with it"
else
  fail "drag $source_field -> $target_field: target centre RGB($target_colour), expected RGB($source_colour)"
fi

press_keys alt+f
expect_clean_exit "Alt+F"
finish
