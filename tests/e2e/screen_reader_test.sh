#!/usr/bin/env bash
# A game followed with the real screen reader: Debian's Orca, speech off,
# beside the program on a private session and accessibility bus, keeps what
# it would speak (orca_speech.py). A planned game (sound_game_plan, with the
# seed the window is given) is played with the keys alone: each arrow speaks
# the one field the cursor comes to, the start tells the first tiles, each
# drop its outcome (the new tiles, a shape and its points, the new score, a
# blocker), the full board the end and the score, before the name window
# opens; a cancel is told too.
#
#   screen_reader_test.sh PROGRAM SOUNDS_DIR GAME_PLANNER
set -uo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/e2e_lib.sh"

planner=$(realpath "$3")
e2e_setup "$1" "$2"
require_accessibility_tools
require_tools orca

orca_pid=""
stop_all() {
  [[ -n "$orca_pid" ]] && stop_process "$orca_pid"
  cleanup
}
trap stop_all EXIT

"$planner" | tail -n +1 >"$workdir/plan.txt" || give_up "no game plan"
seed=$(head -n1 "$workdir/plan.txt" | cut -d' ' -f2)
export BRELIKO_TEST_SEED=$seed
tail -n +2 "$workdir/plan.txt" >"$workdir/steps.txt"
note "seed $seed: a game of $(wc -l <"$workdir/steps.txt") steps"

start_xvfb
start_accessibility_bus
# Orca's settings and caches stay in the work directory.
export HOME="$workdir/home" XDG_DATA_HOME="$workdir/data" XDG_CACHE_HOME="$workdir/cache"
mkdir -p "$HOME" "$workdir/orca-prefs"
# Orca refuses to start beside another Orca of the same user anywhere on
# the machine, which it asks pgrep; this one has buses of its own.
mkdir "$workdir/bin"
printf '#!/bin/sh\ncase " $* " in *" -x orca "*) exit 1 ;; esac\nexec /usr/bin/pgrep "$@"\n' \
  >"$workdir/bin/pgrep"
chmod +x "$workdir/bin/pgrep"
record="$workdir/speech.txt"
PATH="$workdir/bin:$PATH" "$python" "$here/orca_speech.py" "$record" "$workdir/orca-prefs" \
  >"$workdir/orca.log" 2>&1 &
orca_pid=$!

start_program
# Orca is listening once it has spoken the window.
deadline=$((SECONDS + 3 * wait_limit))
until grep -q "^BRELIKO frame" "$record" 2>/dev/null; do
  ((SECONDS < deadline)) || give_up "Orca spoke no window: $(tail -n 5 "$workdir/orca.log")"
  sleep 0.2
done
pass "Orca reads the window"

if "$python" "$here/screen_reader_game.py" "$record" "$workdir/steps.txt"; then
  pass "the game as Orca speaks it"
else
  fail "the game as Orca speaks it"
  echo "--- the last of what Orca spoke ---"
  tail -n 20 "$record"
fi
press_keys alt+f
expect_clean_exit "Alt+F"
finish
