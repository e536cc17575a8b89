# shellcheck shell=bash disable=SC2034  # its variables serve the scripts
# Shared helpers of the end-to-end scripts: a virtual X screen, the real
# program in a fresh working directory, screenshots and pixel reads, the
# board's fields, mouse and keys, and the pass/fail bookkeeping.
#
# A script sources this file, then calls
#   e2e_setup PROGRAM SOUNDS_DIR   (checks tools, makes the work directory)
#   start_xvfb
#   start_program                  (as often as it likes, one run at a time)
# and ends with finish. Exit status 0: every check held; 1: a check failed;
# 77: the X tools are missing (outside CI only; under CI=true that fails).

# A script for a screen of another scale sets these before sourcing: the
# screen's and the window's size in device pixels.
readonly screen_width=${screen_width:-1024} screen_height=${screen_height:-768}
readonly window_width=${window_width:-800} window_height=${window_height:-600}
readonly base_colour="230 255 230"   # empty fields at start-up
readonly window_colour="0 128 0"      # window background before any flash
readonly flash_colour="240 240 70"    # window during a colour dissolution
readonly dissolved_colour="0 127 0"   # window after the first dissolution
readonly dialog_colour="128 255 128"  # background of the three small windows
# Every wait is for a state (a window, a pixel, a file), and gives the
# program this many seconds to reach it: a busy machine only slows a test.
readonly wait_limit=20

workdir=""
rundir=""
xvfb_pid=""
session_pid=""
app_pid=""
window=""
window_x=""
window_y=""
failures=0

e2e_setup() {
  if (($# != 2)); then
    echo "usage: $0 PROGRAM SOUNDS_DIR" >&2
    exit 2
  fi
  program=$(realpath "$1")
  sounds=$(realpath "$2")
  require_tools Xvfb xdotool import od dbus-run-session pgrep
  workdir=$(mktemp -d "${TMPDIR:-/tmp}/breliko-e2e.XXXXXX")
  # The program reads sounds/ and writes P1.dat in its working directory.
  rundir="$workdir/run"
  mkdir "$rundir"
  ln -s "$sounds" "$rundir/sounds"
  trap cleanup EXIT
  local signal
  for signal in INT TERM HUP; do
    # shellcheck disable=SC2064  # the signal's name is meant to be fixed now
    trap "echo 'FAIL: stopped by SIG$signal'; exit 1" "$signal"
  done
}

require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "missing tool: $tool (tools/deps.sh installs it)" >&2
      [[ "${CI:-}" == true ]] && exit 1
      exit 77
    fi
  done
}

# Asks a process to end, and forces it after two seconds.
stop_process() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 20); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null
}

# Stops the program, then its session bus, which ends with it anyway.
stop_program() {
  [[ -n "$app_pid" ]] && stop_process "$app_pid"
  [[ -n "$session_pid" ]] && stop_process "$session_pid"
  app_pid=""
  session_pid=""
}

cleanup() {
  stop_program
  [[ -n "$launcher_pid" ]] && stop_process "$launcher_pid"
  [[ -n "$bus_pid" ]] && stop_process "$bus_pid"
  [[ -n "$xvfb_pid" ]] && stop_process "$xvfb_pid"
  [[ -n "$workdir" ]] && rm -rf "$workdir"
}

# --- pass and fail -------------------------------------------------------------
pass() { echo "ok:   $*"; }
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
note() { echo "note: $*"; }

show_program_output() {
  echo "--- program output ---"
  cat "$workdir/program.log" 2>/dev/null
}

# A failure after which nothing further can be checked.
give_up() {
  echo "FAIL: $*"
  show_program_output
  exit 1
}

# Checks that a command succeeds: check "what" command args...
check() {
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

finish() {
  if ((failures > 0)); then
    echo "$failures check(s) failed"
    show_program_output
    exit 1
  fi
  echo "all checks passed"
  exit 0
}

# --- the virtual screen ------------------------------------------------------
# -displayfd lets the server pick a free display and tells its number once it
# accepts clients, so tests running side by side never collide.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -s "$workdir/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [[ -s "$workdir/display" ]] || give_up "Xvfb did not start: $(cat "$workdir/xvfb.log")"
  DISPLAY=":$(head -n1 "$workdir/display")"
  export DISPLAY
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$workdir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # The program's settings (the tile symbols) go to the work directory,
  # never into the tester's own configuration.
  export XDG_CONFIG_HOME="$workdir/config"
  unset WAYLAND_DISPLAY XAUTHORITY
}

# --- the accessibility bus ---------------------------------------------------
# What a screen reader or a switch device sees of the program: pyatspi, on a
# session bus of the test's own that a real accessibility bus (at-spi2-core)
# joins.
probe="$(dirname "${BASH_SOURCE[0]}")/accessibility_probe.py"
readonly probe
readonly bus_launcher=/usr/libexec/at-spi-bus-launcher
# Debian's own Python, which has the pyatspi module.
readonly python=/usr/bin/python3
bus_pid=""
launcher_pid=""

require_accessibility_tools() {
  require_tools dbus-daemon "$bus_launcher" "$python"
  "$python" -c "import pyatspi" 2>/dev/null || require_tools python3-pyatspi
}

# Starts the session bus and on it the accessibility bus; the program then
# joins this bus (in_session no longer starts one of its own).
start_accessibility_bus() {
  dbus-daemon --session --nofork --print-address=3 --print-pid=4 \
    3>"$workdir/bus-address" 4>"$workdir/bus-pid" 2>"$workdir/bus.log" &
  bus_pid=$!
  local deadline=$((SECONDS + 30))
  until [[ -s "$workdir/bus-address" ]]; do
    ((SECONDS < deadline)) || give_up "no session bus: $(cat "$workdir/bus.log")"
    sleep 0.1
  done
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$workdir/bus-address")
  export DBUS_SESSION_BUS_ADDRESS
  "$bus_launcher" --launch-immediately >"$workdir/launcher.log" 2>&1 &
  launcher_pid=$!
  # Programs make themselves accessible once the bus says a reader is there.
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  deadline=$((SECONDS + 30))
  until timeout 5 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1; do
    ((SECONDS < deadline)) || give_up "no accessibility bus: $(cat "$workdir/launcher.log")"
    sleep 0.1
  done
  in_session() {
    "$@"
    exit
  }
}

# --- the program -------------------------------------------------------------
# Replaces the (sub)shell by a program in a session bus of its own, as a
# desktop starts programs: without one, a machine with dbus-x11 would launch
# a bus for it that writes into the home folder. The exit status is the
# program's, and so is the error output: the bus's own complaints (as root
# it cannot raise its file limit) go to dbus.log.
in_session() {
  exec dbus-run-session -- bash -c 'exec "$@" 2>&3 3>&-' bash "$@" 3>&2 2>>"$workdir/dbus.log"
}

# Starts the program with the arguments given, in the run directory or in
# start_folder when that is set (and hands its window the keyboard focus
# unless hand_focus is false), and waits for its main window; sets
# session_pid (the bus's, which ends with the program's status), app_pid (the
# program's own, which its windows name), window, window_x and window_y.
start_folder=""
hand_focus=true
start_program() {
  (cd "${start_folder:-$rundir}" && in_session "$program" "$@") >>"$workdir/program.log" 2>&1 &
  session_pid=$!
  local deadline=$((SECONDS + wait_limit))
  until app_pid=$(pgrep -P "$session_pid" -x "$(basename "$program")"); do
    if ! kill -0 "$session_pid" 2>/dev/null || ((SECONDS >= deadline)); then
      give_up "the program did not start in its session bus"
    fi
    sleep 0.1
  done
  window=$(timeout $((3 * wait_limit)) xdotool search --sync --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1)
  if [[ -z "$window" ]]; then
    if kill -0 "$app_pid" 2>/dev/null; then
      echo "the program runs; its X windows, mapped or not: $(xdotool search --pid "$app_pid" 2>&1 | xargs)"
    else
      echo "the program has ended"
    fi
    give_up "the main window did not appear within $((3 * wait_limit)) s"
  fi
  local X="" Y=""
  eval "$(timeout 5 xdotool getwindowgeometry --shell "$window" | grep -E '^[XY]=')"
  [[ "$X$Y" =~ ^[0-9-]+$ ]] || give_up "could not read the main window's position"
  window_x=$X
  window_y=$Y
  "$hand_focus" && focus_main_window
  park_pointer
  # The window may be mapped before it is first painted: wait for the frame's
  # last corner.
  wait_for_pixel $((window_width - 1)) $((window_height - 1)) "0 5 0" || note "the window's last frame corner is not painted yet"
}

# Without a window manager nobody hands a window the keyboard focus, and the
# access keys only reach an active window.
focus_main_window() {
  timeout 5 xdotool windowfocus --sync "$window" || give_up "could not focus the main window"
}

# "X Y WIDTH HEIGHT" of a window.
window_geometry() {
  local X="" Y="" WIDTH="" HEIGHT=""
  eval "$(timeout 5 xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  echo "$X $Y $WIDTH $HEIGHT"
}

# The program's visible windows, one "ID X Y WIDTH HEIGHT" line each.
visible_windows() {
  local id
  for id in $(timeout 5 xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    echo "$id $(window_geometry "$id")"
  done
}

# Checks the main window's place and size: expect_main_window X Y WIDTH HEIGHT
expect_main_window() {
  local X Y WIDTH HEIGHT
  read -r X Y WIDTH HEIGHT < <(window_geometry "$window")
  if [[ "$X $Y $WIDTH $HEIGHT" == "$*" ]]; then
    pass "window centred at ($1, $2), $3 x $4"
  else
    fail "window at ($X, $Y), $WIDTH x $HEIGHT; expected ($1, $2), $3 x $4"
  fi
}

# Waits for a visible window of the size given ("WIDTH HEIGHT") and prints
# its "ID X Y"; fails if none comes.
wait_for_window() {
  local deadline=$((SECONDS + wait_limit)) found
  while true; do
    found=$(visible_windows | awk -v size="$1" '$4 " " $5 == size { print $1, $2, $3; exit }')
    [[ -n "$found" ]] && { echo "$found"; return 0; }
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Waits until the window of the size given ("WIDTH HEIGHT") has the keyboard
# focus: keys typed before would go to another window.
wait_for_focus() {
  local deadline=$((SECONDS + wait_limit)) id
  while true; do
    id=$(timeout 5 xdotool getwindowfocus 2>/dev/null)
    [[ -n "$id" && "$(window_geometry "$id" | cut -d' ' -f3-)" == "$1" ]] && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Whether a window of the size given ("WIDTH HEIGHT") is visible now.
window_shown() {
  visible_windows | awk -v size="$1" '$4 " " $5 == size { found = 1 } END { exit !found }'
}

# Waits until no visible window has the size given.
wait_for_window_gone() {
  local deadline=$((SECONDS + wait_limit))
  while window_shown "$1"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Waits for the program to end and checks that it ended with status 0.
expect_clean_exit() {
  local what=$1 status=0 deadline=$((SECONDS + wait_limit))
  while kill -0 "$session_pid" 2>/dev/null && ((SECONDS < deadline)); do
    sleep 0.1
  done
  if kill -0 "$session_pid" 2>/dev/null; then
    fail "$what: the program still runs $wait_limit s later"
    return
  fi
  wait "$session_pid" || status=$?
  session_pid=""
  app_pid=""
  if ((status == 0)); then
    pass "$what ends the program with status 0"
  else
    fail "$what: the program ended with status $status"
  fi
}

# Keys as xdotool names them ("alt+l"), to the window with the focus.
press_keys() { timeout 5 xdotool key --clearmodifiers "$@"; }

# --- reading the screen ------------------------------------------------------
# The whole screen as raw 8-bit RGB, three bytes a pixel, row by row.
take_screenshot() {
  local shot="$workdir/screen.rgb" size
  rm -f "$shot"
  timeout 10 import -window root -depth 8 "rgb:$shot" 2>/dev/null
  size=$(stat -c %s "$shot" 2>/dev/null || echo 0)
  ((size == screen_width * screen_height * 3)) || give_up "screenshot failed ($size bytes)"
}

# "R G B" of the screen pixel (x, y) in the last screenshot.
screen_pixel() {
  local offset=$((($2 * screen_width + $1) * 3)) r g b
  read -r r g b < <(od -An -tu1 -j "$offset" -N3 "$workdir/screen.rgb")
  echo "$r $g $b"
}

# "R G B" of the main window's pixel (x, y) in the last screenshot.
pixel() { screen_pixel $((window_x + $1)) $((window_y + $2)); }

# A checksum of a rectangle of the screen (x y width height) in the last
# screenshot: for telling whether an area has changed.
screen_area_digest() {
  local x=$1 y=$2 width=$3 height=$4 row
  for ((row = y; row < y + height; row++)); do
    od -An -tx1 -v -j $(((row * screen_width + x) * 3)) -N $((width * 3)) "$workdir/screen.rgb"
  done | md5sum | cut -d' ' -f1
}

# The same for a rectangle of the main window.
area_digest() { screen_area_digest $((window_x + $1)) $((window_y + $2)) "$3" "$4"; }

# The distinct "R G B" colours of a rectangle of the screen (x y width
# height) in the last screenshot, one a line.
screen_area_colours() {
  local x=$1 y=$2 width=$3 height=$4 row
  for ((row = y; row < y + height; row++)); do
    od -An -tu1 -v -w3 -j $(((row * screen_width + x) * 3)) -N $((width * 3)) "$workdir/screen.rgb"
  done | awk '{ print $1, $2, $3 }' | sort -u
}

# Screenshots until the window pixel (x, y) shows the colour given: a window
# may be mapped before it is painted.
wait_for_pixel() {
  local deadline=$((SECONDS + wait_limit))
  while true; do
    take_screenshot
    [[ "$(pixel "$1" "$2")" == "$3" ]] && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Screenshots until the window pixel (x, y), on the window's background,
# shows no colour dissolution's flash and the same colour twice in a row:
# the state after a drop, whether a dissolution came with it or not.
wait_for_calm() {
  local deadline=$((SECONDS + wait_limit)) last="" now
  while true; do
    take_screenshot
    now=$(pixel "$1" "$2")
    [[ "$now" != "$flash_colour" && "$now" == "$last" ]] && return 0
    ((SECONDS < deadline)) || return 1
    last=$now
    sleep 0.2
  done
}

expect_pixel() {
  local what=$1 x=$2 y=$3 expected=$4 actual
  actual=$(pixel "$x" "$y")
  if [[ "$actual" == "$expected" ]]; then
    pass "$what: ($x, $y) is RGB($expected)"
  else
    fail "$what: ($x, $y) is RGB($actual), expected RGB($expected)"
  fi
}

# Keeps the pointer (and any drag outline) off the board for a screenshot.
park_pointer() { timeout 5 xdotool mousemove --sync 2 2; }

# --- the small windows --------------------------------------------------------
# The small windows are centred on the 1024 x 768 screen like the main window.
readonly question_size="250 144" question_place="387 312"
readonly list_size="392 267" list_place="316 250"
readonly entry_size="219 136" entry_place="402 316"

# Waits for a small window and checks its place and its box; keeps its
# place in small_x and small_y.
small_x=""
small_y=""
expect_small_window() {
  local what=$1 size=$2 place=$3 id x y
  if ! read -r id x y < <(wait_for_window "$size"); then
    fail "$what: no window of $size pixels appeared"
    return 1
  fi
  small_x=$x
  small_y=$y
  if [[ "$x $y" == "$place" ]]; then
    pass "$what: a window of $size pixels at ($place)"
  else
    fail "$what: the window of $size pixels is at ($x $y), expected ($place)"
  fi
  # The box is drawn in the window's text colour along its edge, inside it
  # the window's green; wait for the first paint.
  local deadline=$((SECONDS + wait_limit))
  while take_screenshot; [[ "$(screen_pixel $((x + 5)) $((y + 5)))" != "$dialog_colour" ]]; do
    ((SECONDS < deadline)) || break
    sleep 0.2
  done
  if [[ "$(screen_pixel "$x" "$y") / $(screen_pixel $((x + 5)) $((y + 5)))" == "0 0 0 / $dialog_colour" ]]; then
    pass "$what: black box on RGB($dialog_colour)"
  else
    fail "$what: RGB($(screen_pixel "$x" "$y")) at the corner, RGB($(screen_pixel $((x + 5)) $((y + 5)))) inside"
  fi
}

# --- the board ---------------------------------------------------------------
# Field i lies in row i / 9 and column i % 9, 62 pixels square with a
# one-pixel gap, from (37, 17) on.
field_centre_x() { echo $((37 + 63 * ($1 % 9) + 31)); }
field_centre_y() { echo $((17 + 63 * ($1 / 9) + 31)); }
field_centre() { pixel "$(field_centre_x "$1")" "$(field_centre_y "$1")"; }

# "R G B" of the centres of all 81 fields, one line each, field 0 first.
# One od call reads a whole pixel row of the window across nine centres.
field_centres() {
  local row columns
  columns=$(for c in $(seq 0 8); do echo -n "$(field_centre_x "$c") "; done)
  for row in $(seq 0 8); do
    od -An -tu1 -v -w3 -N $((window_width * 3)) \
      -j $((((window_y + $(field_centre_y $((9 * row)))) * screen_width + window_x) * 3)) \
      "$workdir/screen.rgb" |
      awk -v columns="$columns" '
        BEGIN { n = split(columns, x, " "); for (i = 1; i <= n; i++) wanted[x[i] + 1] = 1 }
        NR in wanted { print $1, $2, $3 }'
  done
}

# The fields whose centre shows a tile rather than the colour given (the
# base colour unless said otherwise).
occupied_fields() {
  field_centres | awk -v base="${1:-$base_colour}" '$0 != base { print NR - 1 }'
}

count_occupied() { occupied_fields "$@" | wc -l; }

# Screenshots until the number of occupied fields satisfies the test
# expression given ("-eq 3", "-ge 6").
wait_for_occupied() {
  local deadline=$((SECONDS + wait_limit))
  while true; do
    take_screenshot
    test "$(count_occupied)" "$@" && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Presses at the centre of field `from`, moves in steps to the centre of
# field `to` and lets go there.
drag_field() {
  local from_x=$((window_x + $(field_centre_x "$1"))) from_y=$((window_y + $(field_centre_y "$1")))
  local to_x=$((window_x + $(field_centre_x "$2"))) to_y=$((window_y + $(field_centre_y "$2")))
  local step steps=5
  timeout 5 xdotool mousemove --sync "$from_x" "$from_y"
  timeout 5 xdotool mousedown 1
  for step in $(seq "$steps"); do
    timeout 5 xdotool mousemove --sync \
      $((from_x + (to_x - from_x) * step / steps)) $((from_y + (to_y - from_y) * step / steps))
    sleep 0.05
  done
  timeout 5 xdotool mouseup 1
}

click_screen() {
  timeout 5 xdotool mousemove --sync "$1" "$2"
  timeout 5 xdotool click 1
}

# A press and release on one field: the game takes it as a drop of the field
# onto itself.
click_field() {
  click_screen $((window_x + $(field_centre_x "$1"))) $((window_y + $(field_centre_y "$1")))
}

# --- the highscore file ------------------------------------------------------
# P1.dat holds eleven records of 39 bytes: the score as 16-bit signed
# little-endian, the name in 20 and the date in 17 bytes of ISO-8859-3,
# padded with spaces.

# A text in ISO-8859-3, cut or padded with spaces to the width given.
latin3_field() {
  local text=$1 width=$2 bytes
  bytes=$(printf '%s' "$text" | iconv -f UTF-8 -t ISO-8859-3 | head -c "$width" | wc -c)
  printf '%s' "$text" | iconv -f UTF-8 -t ISO-8859-3 | head -c "$width"
  printf "%$((width - bytes))s" ""
}

# One record: highscore_record SCORE NAME DATE
highscore_record() {
  local score=$(($1 & 0xFFFF))
  # printf turns the \xHH escapes that the inner printf writes into bytes.
  # shellcheck disable=SC2059
  printf "$(printf '\\x%02x\\x%02x' $((score & 255)) $((score >> 8)))"
  latin3_field "$2" 20
  latin3_field "$3" 17
}

# Bytes as one line of hex digits.
as_hex() { od -An -tx1 -v | tr -d ' \n'; }

# The bytes of record n (1 to 11) of a file.
record_hex() { head -c $(($2 * 39)) "$1" | tail -c 39 | as_hex; }

# The score of record n of a file.
record_score() {
  od -An -td2 --endian=little -j $((($2 - 1) * 39)) -N 2 "$1" | tr -d ' '
}

# The hex digits of a record of our own, for comparing with record_hex.
expected_record_hex() { highscore_record "$@" | as_hex; }

# --- a whole game ------------------------------------------------------------
readonly tile_colours='^(255 0 0|255 196 0|255 255 0|0 255 0|0 255 255|0 0 255|255 0 255)$'
readonly max_drops=300

# The score label, 90 x 37 pixels at (656, 70).
score_label_digest() { area_digest 656 70 90 37; }

# Screenshots until the field centres differ from those given.
wait_for_board_change() {
  local deadline=$((SECONDS + wait_limit))
  while true; do
    take_screenshot
    [[ "$(field_centres)" != "$1" ]] && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Starts a game and drops a tile onto its own field again and again: such a
# drop moves nothing but brings three new tiles, until no field is empty.
# Stripes formed by chance, colour dissolutions and blockers only lengthen
# the game. The score never falls, so its label changes with every drop that
# scores: scoring_drops counts them (each brings 4 points or more).
play_to_full_board() {
  local drop centres field label idle=0
  press_keys alt+l
  wait_for_occupied -eq 3 || give_up "Alt+L: $(count_occupied) fields occupied, expected 3"
  label=$(score_label_digest)
  scoring_drops=0
  for ((drop = 1; drop <= max_drops; drop++)); do
    take_screenshot
    if [[ "$(score_label_digest)" != "$label" ]]; then
      label=$(score_label_digest)
      ((scoring_drops++))
    fi
    centres=$(field_centres)
    if (($(grep -cvx "$base_colour" <<<"$centres") == 81)); then
      pass "the board is full after $((drop - 1)) drops, $scoring_drops of them scored"
      return 0
    fi
    field=$(grep -nE "$tile_colours" <<<"$centres" | head -n1 | cut -d: -f1)
    [[ -n "$field" ]] || give_up "no tile left to drop on itself"
    click_field $((field - 1))
    park_pointer
    if wait_for_board_change "$centres"; then
      idle=0
    elif ((++idle == 5)); then
      give_up "five drops in a row changed nothing on the board"
    fi
  done
  give_up "the board was not full after $max_drops drops"
}
