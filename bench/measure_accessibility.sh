#!/usr/bin/env bash
# The game's response with the accessibility bridge off and on, side by
# side: measure_response.sh (input to sound and to picture, for a start,
# the highscore list and a drop by mouse) run twice, as it stands and again
# with the window on a session bus of its own beside an accessibility bus
# (at-spi2-core) with the screen reader Orca listening, speech off. With a
# reader listening Qt sends it every change of the board, and each start,
# drop and cancel tells its outcome; without one none of that is sent.
#
#   bench/measure_accessibility.sh [BUILD_DIR] [RUNS]    (defaults: build, 7)
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$repo/build}")
runs=${2:-7}
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-daemon orca Xvfb "$launcher" /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/deps.sh test)" >&2; exit 2; }
done

workdir=$(mktemp -d "${TMPDIR:-/tmp}/breliko-measure-a11y.XXXXXX")
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

measure() { bash "$repo/bench/measure_response.sh" "$build" "$runs" >"$workdir/$1.txt" 2>&1; }

echo "bridge off: measuring"
measure off || { cat "$workdir/off.txt"; exit 1; }

# The reader's own bus, screen and settings; the game's measuring screen is
# its own too, and Orca follows the game through the buses alone.
echo "bridge on, Orca listening: measuring"
dbus-daemon --session --nofork --print-address=3 3>"$workdir/bus" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$workdir/bus" ]] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$workdir/bus")
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s "$workdir/display" ]] && break; sleep 0.1; done
mkdir -p "$workdir/home" "$workdir/prefs" "$workdir/bin"
# Orca would refuse to run beside another Orca of this user elsewhere.
printf '#!/bin/sh\ncase " $* " in *" -x orca "*) exit 1 ;; esac\nexec /usr/bin/pgrep "$@"\n' \
  >"$workdir/bin/pgrep"
chmod +x "$workdir/bin/pgrep"
DISPLAY=":$(head -n1 "$workdir/display")" HOME="$workdir/home" PATH="$workdir/bin:$PATH" \
  /usr/bin/python3 /usr/bin/orca --disable speech --user-prefs "$workdir/prefs" \
  >"$workdir/orca.log" 2>&1 &
pids+=($!)
sleep 3 # Orca registers its listeners; nothing to wait for on the bus
measure on || { cat "$workdir/on.txt"; exit 1; }

echo
echo "response, median / max in ms of $runs runs each"
printf '%-40s %16s %16s\n' figure "bridge off" "bridge on, Orca"
paste -d'|' <(grep -E ': (sound|frame)' "$workdir/off.txt") \
  <(grep -E ': (sound|frame)' "$workdir/on.txt") |
  awk -F'|' '{ printf "%-40s %16s %16s\n", substr($1, 1, 40), substr($1, 42, 14), substr($2, 42, 14) }'
grep '^load' "$workdir/on.txt"
