#!/usr/bin/env bash
# What a screen reader finds in the real BRELIKO window: on a private session
# bus with a real accessibility bus (at-spi2-core), read through pyatspi as
# Orca reads it: the window's name, the board as a grid of 81 named fields,
# the focused button after Tab and the cursor's field after an arrow.
#
#   accessibility_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

probe="$(dirname "${BASH_SOURCE[0]}")/accessibility_probe.py"
readonly probe
readonly bus_launcher=/usr/libexec/at-spi-bus-launcher
# Debian's own Python, which has the pyatspi module.
readonly python=/usr/bin/python3

e2e_setup "$@"
require_tools dbus-daemon "$bus_launcher" "$python"
"$python" -c "import pyatspi" 2>/dev/null || require_tools python3-pyatspi
start_xvfb

# A session bus of our own, and on it the accessibility bus.
bus_pid=""
launcher_pid=""
trap 'stop_process "$launcher_pid"; stop_process "$bus_pid"; cleanup' EXIT
dbus-daemon --session --nofork --print-address=3 --print-pid=4 \
  3>"$workdir/bus-address" 4>"$workdir/bus-pid" 2>"$workdir/bus.log" &
bus_pid=$!
deadline=$((SECONDS + 30))
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
pass "a private session bus with an accessibility bus"

# The program joins this test's session bus, where the accessibility bus
# runs, rather than a bus of its own.
in_session() {
  "$@"
  exit
}

start_program
check "the screen reader reads the window and its board" "$python" "$probe" board
press_keys alt+l
press_keys Tab
check "after Tab the focused button is reported" "$python" "$probe" focused "ĉesigi partion"
press_keys Down
check "after an arrow the cursor's field is reported" "$python" "$probe" focused "vico 5, kolumno 5"
press_keys alt+f
expect_clean_exit "Alt+F"
finish
