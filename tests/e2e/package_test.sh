#!/usr/bin/env bash
# The Debian package as a player meets it: built by CPack, checked by
# lintian, installed with apt-get on this machine, started the way its menu
# entry starts it by a player whose home is a fresh folder, then purged.
# Whatever happens, the machine is left with the packages it had: the game
# and anything its installation brought are purged again.
#
#   package_test.sh BUILD_DIR SOUNDS_DIR APPLICATION_ID
#
# Needs root (apt-get); without it, or when a breliko package is installed
# already, the test is skipped outside CI and fails in CI.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

readonly build=$1 app_id=$3
e2e_setup "$build/breliko" "$2"
require_tools cpack lintian apt-get dpkg-query

not_here() {
  echo "$1" >&2
  [[ "${CI:-}" == true ]] && exit 1
  exit 77
}
((EUID == 0)) || not_here "the package test installs system-wide and needs root"

# Whether dpkg knows the game in any state but gone: installed, half
# installed, or its configuration left.
installed() {
  local status
  status=$(dpkg-query -W -f='${Status}' breliko 2>/dev/null)
  [[ -n "$status" && "$status" != *not-installed ]]
}
# The packages dpkg has installed, one "name:architecture" a line.
package_list() {
  dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture}\n' | awk '$1 ~ /^.i/ { print $2 }' | sort
}
installed && not_here "a breliko package is installed on this machine; the test would replace it"

package_list >"$workdir/packages.before"
export DEBIAN_FRONTEND=noninteractive
# Another apt run (a second engineer's, unattended upgrades) only delays us.
apt_get() { apt-get -y -q -o DPkg::Lock::Timeout=300 "$@" >>"$workdir/apt.log" 2>&1; }

# Purges the game and whatever came with it; runs however the test ends.
purge_all() {
  local brought
  brought=$(package_list | comm -13 "$workdir/packages.before" - | grep -v '^breliko:')
  if installed || [[ -n "$brought" ]]; then
    # shellcheck disable=SC2086  # one package name a word
    apt_get purge breliko $brought || fail "the purge failed: $(tail -n 20 "$workdir/apt.log")"
  fi
}
trap 'purge_all; cleanup' EXIT

# --- built and checked ----------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -B "$workdir/package" >"$workdir/cpack.log" 2>&1 ||
  give_up "cpack failed: $(cat "$workdir/cpack.log")"
deb="$workdir/package/breliko_1.01_amd64.deb"
[[ -f "$deb" ]] || give_up "no $(basename "$deb"): $(ls "$workdir/package")"
pass "cpack made $(basename "$deb")"

lintian --display-info --fail-on error,warning,info "$deb" >"$workdir/lintian.log" 2>&1
lintian_status=$?
grep -v 'running with root privileges' "$workdir/lintian.log"
check "lintian finds no error, no warning and no informational tag" test "$lintian_status" -eq 0

# --- installed -------------------------------------------------------------------
apt_get install "$deb" || give_up "apt-get install failed: $(tail -n 30 "$workdir/apt.log")"
check "apt-get installed the package" installed
dpkg-query -L breliko >"$workdir/files"

# The game's licence, and the metainfo's own, where a distribution reads them.
check "the copyright file puts the game under GPL-3+" \
  test "$(sed -n 's/^License: //p' /usr/share/doc/breliko/copyright | head -n 1)" = GPL-3+
check "the metainfo names GPL-3.0-or-later for the game and CC0-1.0 for itself" \
  grep -qz '<metadata_license>CC0-1.0</metadata_license>.*<project_license>GPL-3.0-or-later</project_license>' \
  "/usr/share/metainfo/$app_id.metainfo.xml"
check "the manual page states the licence" \
  grep -q 'GNU GPL version 3 or later' <(zcat /usr/share/man/man6/breliko.6.gz)

desktop_file=/usr/share/applications/$app_id.desktop
read -r -a exec_line < <(sed -n 's/^Exec=//p' "$desktop_file")
# The entry names the program without a folder: the desktop finds it along
# the PATH Debian gives every user.
user_path=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs)
program=$(PATH=$user_path command -v "${exec_line[0]}")
check "the menu entry's \"${exec_line[0]}\" is the packaged program ($program)" \
  grep -qx "$program" "$workdir/files"

# --- played by a player with a fresh home -----------------------------------------
start_xvfb
export HOME="$workdir/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_STATE_HOME
# No sound server: the sound library would keep its cookie in the home
# (~/.config/pulse), as a desktop's sound server does before any game runs.
unset PULSE_SERVER
mkdir -p "$HOME" "$workdir/elsewhere"
start_folder=$workdir/elsewhere
start_program "${exec_line[@]:1}"
take_screenshot
expect_pixel "frame, top left" 0 0 "0 245 0"
expect_pixel "first pixel of field 0" 37 17 "$base_colour"
# The start button, 130 x 22 pixels at (635, 295).
click_screen $((window_x + 700)) $((window_y + 306))
park_pointer
if wait_for_occupied -eq 3; then
  pass "a click on \"startigi ludon\" starts a game with three tiles"
else
  fail "after the start $(count_occupied) fields are occupied, expected 3"
fi
press_keys alt+f
expect_clean_exit "Alt+F"

game_folder=.local/share/breliko
written=$(cd "$HOME" && find . -mindepth 1 | sed 's|^\./||' | grep -vx -e .local -e .local/share |
  grep -vx -e "$game_folder" -e "$game_folder/.*")
check "the game folder ~/$game_folder was made" test -d "$HOME/$game_folder"
check "nothing but the game folder was written into the home${written:+: $written}" test -z "$written"
check "nothing was written into the working folder" test -z "$(ls -A "$start_folder")"

# --- purged ----------------------------------------------------------------------
purge_all
check "apt-get purge removed the package" test -z "$(installed && echo left)"
left=$(while read -r path; do [[ -e "$path" && ! -d "$path" ]] && echo "$path"; done <"$workdir/files")
check "no file of the package is left${left:+: $left}" test -z "$left"
check "the game's own folders are gone" test ! -e /usr/share/breliko -a ! -e /usr/share/doc/breliko
check "the machine has the packages it had before" cmp -s "$workdir/packages.before" <(package_list)

finish
