#!/usr/bin/env bash
# Makes the README's picture of a game in play: the window at 1× on a
# virtual screen, after a start and a few drops. The game's random numbers
# come from a fixed seed, so the same program makes the same picture.
#
#   bash tools/screenshot.sh [PROGRAM] [PICTURE]
#
# PROGRAM defaults to build-play/breliko (bash tools/build.sh play), PICTURE
# to docs/screenshot.png. Needs Xvfb, xdotool and ImageMagick
# (bash tools/deps.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build-play/breliko}
picture=$(realpath -m "${2:-docs/screenshot.png}")
# shellcheck source=tests/e2e/e2e_lib.sh
source tests/e2e/e2e_lib.sh

# From this seed these drops leave a board a quarter full: tiles of every
# colour, the tree of the start and the score.
export BRELIKO_TEST_SEED=${BRELIKO_SCREENSHOT_SEED:-7}
readonly targets=(40 41 42 43 31 49 50)

e2e_setup "$program" sounds
start_xvfb
# No sound server: the picture needs none, and the program plays on without.
unset PULSE_SERVER
start_program
# The start button, 130 x 22 pixels at (635, 295).
click_screen $((window_x + 700)) $((window_y + 306))
park_pointer
wait_for_occupied -eq 3 || give_up "the start brought no three tiles"

# Each drop takes the first tile (from the top left) to the next empty
# field of the list.
for target in "${targets[@]}"; do
  take_screenshot
  occupied=$(occupied_fields)
  grep -qx "$target" <<<"$occupied" && continue
  drag_field "$(head -n 1 <<<"$occupied")" "$target"
  park_pointer
  wait_for_calm 5 5 || give_up "the window did not come to rest after a drop"
done

take_screenshot
mkdir -p "$(dirname "$picture")"
convert -size "${screen_width}x${screen_height}" -depth 8 "rgb:$workdir/screen.rgb" \
  -crop "${window_width}x${window_height}+${window_x}+${window_y}" +repage \
  -strip -define png:compression-level=9 "$picture"
echo "wrote $picture ($(stat -c %s "$picture") bytes)"
