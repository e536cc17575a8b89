# shellcheck shell=bash
# Shared by the measure_*.sh scripts (sourced, not run): a private X screen,
# a fresh working directory with the sounds, the window probe, and the table
# every script prints its figures in.
#
# The sourcing script passes its build directory (default build/) first.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath "${1:-$repo/build}")
game="$build/breliko"
bare="$build/bench/bare_window"
probe="$build/bench/window_probe"

for binary in "$game" "$bare" "$probe"; do
  if [[ ! -x "$binary" ]]; then
    echo "missing $binary: cmake --build $build --target breliko bare_window window_probe" >&2
    exit 2
  fi
done
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 2; }
done

# Where the game's window shows its final colours only once it is painted:
# the window's green, the first field's base colour, the frame's last corner.
readonly game_points="20,300=008000 68,48=e6ffe6 799,599=000500"
readonly bare_points="400,300=008000 799,599=008000"

workdir=$(mktemp -d "${TMPDIR:-/tmp}/breliko-measure.XXXXXX")
started_pids=()

# Asks a process to end, and forces it after two seconds.
stop_process() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 20); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null
}

cleanup() {
  local status=$? pid
  if ((status != 0)); then
    # What the X server and the programs said, to tell why a run failed.
    tail -n 5 "$workdir/xvfb.log" "$workdir/program.log" 2>/dev/null >&2
  fi
  for pid in "${started_pids[@]}"; do stop_process "$pid"; done
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP PIPE

# A virtual screen of its own: -displayfd picks a free display number, so the
# scripts never collide with tests or other measurements; -br gives a black
# root, a colour neither window shows before it paints.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -br \
    3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
  started_pids+=($!)
  for _ in $(seq 100); do
    [[ -s "$workdir/display" ]] && break
    sleep 0.1
  done
  [[ -s "$workdir/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
  DISPLAY=":$(head -n1 "$workdir/display")"
  export DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY XAUTHORITY
}

# A fresh working directory with the sounds and no highscore file, so that
# every run of the game starts alike. A script may set sounds_dir to play
# other wave files.
sounds_dir="$repo/sounds"
fresh_run_dir() {
  local dir
  dir=$(mktemp -d "$workdir/run.XXXXXX")
  ln -s "$sounds_dir" "$dir/sounds"
  echo "$dir"
}

# Starts a window through the probe and prints its line "pid=.. window=..
# mapped_ms=.. painted_ms=.. cpu_ms=..". Arguments: game|bare, then probe
# options (--keep to leave it running).
probe_start() {
  local which=$1 program points dir
  shift
  if [[ "$which" == game ]]; then
    program=$game points=$game_points
  else
    program=$bare points=$bare_points
  fi
  dir=$(fresh_run_dir)
  # shellcheck disable=SC2086  # the points are separate words
  (cd "$dir" && "$probe" start "$@" --timeout-ms 30000 800x600 $points -- "$program") \
    2>>"$workdir/program.log"
}

# One field of a probe line: field_of KEY LINE.
field_of() { tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"; }

# Starts a window and leaves it running: sets kept_pid and kept_window.
# Not to be run in a subshell, which would lose the pid for the clean-up.
# shellcheck disable=SC2034  # both are for the sourcing script
start_kept() {
  local line
  line=$(probe_start "$1" --keep) || { echo "$1: no painted window: $line" >&2; exit 1; }
  kept_pid=$(field_of pid "$line")
  kept_window=$(field_of window "$line")
  started_pids+=("$kept_pid")
}

# "x,y" of the centre of each field in the game's window, field 0 first:
# fields are 62 pixels wide with a 1-pixel gap, the first at (37, 17).
field_points=()
for ((field = 0; field < 81; field++)); do
  field_points+=("$((68 + 63 * (field % 9))),$((48 + 63 * (field / 9)))")
done

# The colour at the centre of each field of the game's window $1, RRGGBB,
# field 0 first.
field_colours() { "$probe" pixels "$1" "${field_points[@]}"; }

# The fields that show a tile rather than the base colour, one index a line.
occupied_fields() { field_colours "$1" | awk '$1 != "e6ffe6" { print NR - 1 }'; }

# The median of the numbers on stdin.
median() {
  sort -g | awk '{ v[NR] = $1 }
    END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# A kB value (VmHWM, VmRSS) from /proc/PID/status.
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

table_header() { printf '%-40s %14s %14s  %s\n' figure value target verdict; }
# row FIGURE VALUE TARGET MET: 1 met, 0 missed, - no target
row() {
  local verdict=-
  [[ "$4" == 1 ]] && verdict=met
  [[ "$4" == 0 ]] && verdict=missed
  printf '%-40s %14s %14s  %s\n' "$1" "$2" "$3" "$verdict"
}

# 1 if the decimal comparison holds, else 0: holds A OP B, OP one of < <=.
holds() {
  awk -v a="$1" -v op="$2" -v b="$3" 'BEGIN { print (op == "<" ? a < b : a <= b) ? 1 : 0 }'
}

load_note() { echo "load: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min) on $(nproc) cores"; }
