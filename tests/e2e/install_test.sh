#!/usr/bin/env bash
# The game installed as a desktop program: installed into a scratch root,
# started the way the menu entry starts it from an unrelated folder, it plays
# the installed sounds and keeps its highscore list in the player's game
# folder, writing nothing into the working directory or the home folder.
# Started from a folder with sounds/ and P1.dat, it uses those as before.
#
#   install_test.sh BUILD_DIR SOUNDS_DIR APPLICATION_ID
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

readonly build=$1 app_id=$3
e2e_setup "$build/breliko" "$2"
require_tools cmake identify
start_xvfb

root="$workdir/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$workdir/install.log" 2>&1 ||
  give_up "cmake --install failed: $(cat "$workdir/install.log")"
share="$root/usr/share"
program="$root/usr/bin/breliko"
[[ -x "$program" ]] || give_up "no program in $root/usr/bin"

# --- what the install holds ----------------------------------------------------
sounds_installed=$(find "$share/breliko/sounds" -name 'sound[1-7].wav' 2>/dev/null | wc -l)
check "the seven sounds are installed ($sounds_installed found)" test "$sounds_installed" -eq 7
desktop_file="$share/applications/$app_id.desktop"
check "the desktop entry is installed as $app_id.desktop" test -f "$desktop_file"
check "the metainfo is installed as $app_id.metainfo.xml" \
  test -f "$share/metainfo/$app_id.metainfo.xml"
check "the scalable icon is installed" test -s "$share/icons/hicolor/scalable/apps/$app_id.svg"
for size in 16 24 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  check "the ${size} px icon is ${size} x ${size}" \
    test "$(identify -format '%w %h' "$icon" 2>&1)" == "$size $size"
done

# --- the command line ------------------------------------------------------------
version_output=$(in_session "$program" --version)
check "--version prints 1.01" test "$(head -n1 <<<"$version_output")" == "breliko 1.01"
check "--version names the licence" grep -qF "License GPLv3+" <<<"$version_output"
bad_output=$(in_session "$program" --no-such-option 2>&1)
bad_status=$?
check "a bad option ends with a failure ($bad_status)" test "$bad_status" -ne 0
check "a bad option is named in one line: $bad_output" \
  test "$(wc -l <<<"$bad_output")" -eq 1 -a -n "$(grep -F "no-such-option" <<<"$bad_output")"

# --- started from the menu entry ----------------------------------------------------
# The entry's own command line, with the installed program for its first word.
read -r -a exec_line < <(sed -n 's/^Exec=//p' "$desktop_file")
[[ "${exec_line[0]}" == breliko ]] || give_up "the entry starts ${exec_line[0]}, not breliko"
menu_args=("${exec_line[@]:1}")

elsewhere="$workdir/elsewhere"
export HOME="$workdir/home" XDG_DATA_HOME="$workdir/data"
export XDG_CONFIG_HOME="$workdir/config" XDG_CACHE_HOME="$workdir/cache"
mkdir -p "$elsewhere" "$HOME"
game_list="$XDG_DATA_HOME/breliko/P1.dat"

# The first run makes the game folder; a reset makes its list.
start_folder=$elsewhere
start_program "${menu_args[@]}"
press_keys alt+n
expect_small_window "Alt+N asks whether to reset the list" "$question_size" "$question_place"
press_keys alt+j
expect_small_window "Alt+J shows the list" "$list_size" "$list_place"
check "the reset wrote P1.dat into the game folder" test "$(stat -c %s "$game_list")" -eq 429
focus_main_window
press_keys alt+f
expect_clean_exit "Alt+F after the reset"

# A tenth place of -1, which every finished game beats, so that a game ends
# in the name entry.
{
  head -c $((9 * 39)) "$game_list"
  highscore_record -1 "Deka" "01.05.24 12:00:00"
  tail -c +$((10 * 39 + 1)) "$game_list"
} >"$workdir/P1.prepared"
cp "$workdir/P1.prepared" "$game_list"

start_program "${menu_args[@]}"
play_to_full_board
expect_small_window "the game's end asks for a name" "$entry_size" "$entry_place" ||
  give_up "no name entry after a game that beat the tenth place (-1)"
wait_for_focus "$entry_size" || fail "the name entry did not get the keyboard focus"
timeout 20 xdotool type --delay 40 "Instalita"
press_keys alt+k
expect_small_window "the name entry shows the list" "$list_size" "$list_place"
check "the entry is in the game folder's P1.dat" \
  test "$(record_hex "$game_list" 10)" != "$(record_hex "$workdir/P1.prepared" 10)"
focus_main_window
press_keys alt+f
expect_clean_exit "Alt+F after the entry"

check "nothing was written into the working directory" test -z "$(ls -A "$elsewhere")"
check "nothing was written into the home folder" test -z "$(ls -A "$HOME")"
missing=$(grep -E 'cannot play .*sound[1-7]\.wav' "$workdir/program.log")
check "every installed sound was found${missing:+: $missing}" test -z "$missing"

# --- started from a folder ---------------------------------------------------------
# A folder of its own sounds, the first of them broken, and its own list: the
# complaint names the folder's sound, and the reset empties the folder's list
# while the game folder's stays as it was.
start_folder=$workdir/folder
mkdir -p "$start_folder/sounds"
cp "$sounds"/sound[2-7].wav "$start_folder/sounds/"
: >"$start_folder/sounds/sound1.wav"
cp "$workdir/P1.prepared" "$start_folder/P1.dat"
cp "$game_list" "$workdir/P1.game"
: >"$workdir/program.log"
start_program
press_keys alt+n
expect_small_window "Alt+N in a folder asks whether to reset" "$question_size" "$question_place"
press_keys alt+j
expect_small_window "Alt+J shows the list" "$list_size" "$list_place"
check "the folder's P1.dat was reset" \
  test "$(record_score "$start_folder/P1.dat" 10)" -eq 0
check "the game folder's P1.dat is untouched" cmp -s "$game_list" "$workdir/P1.game"
focus_main_window
press_keys alt+f
expect_clean_exit "Alt+F in a folder"
check "the sounds came from the working folder" \
  grep -q 'cannot play sounds/sound1.wav' "$workdir/program.log"

finish
