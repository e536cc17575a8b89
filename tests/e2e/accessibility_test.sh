#!/usr/bin/env bash
# What a screen reader finds in the real BRELIKO window: on a private session
# bus with a real accessibility bus (at-spi2-core), read through pyatspi as
# Orca reads it: the window's name, the board as a grid of 81 named fields,
# the focused button after Tab and the cursor's field after an arrow.
#
#   accessibility_test.sh PROGRAM SOUNDS_DIR
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

e2e_setup "$@"
require_accessibility_tools
start_xvfb

start_accessibility_bus
pass "a private session bus with an accessibility bus"

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
