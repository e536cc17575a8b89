#!/usr/bin/env bash
# Runs a validator on a file and fails on any error or warning it reports:
#
#   validate.sh desktop FILE     desktop-file-validate, which prints only problems
#   validate.sh metainfo FILE    appstreamcli validate --no-net, whose E: and W:
#                                lines are errors and warnings; the game's licence
#                                must be GPL-3.0-or-later
set -uo pipefail

kind=$1 file=$2
case $kind in
  desktop) command=(desktop-file-validate "$file") ;;
  metainfo) command=(appstreamcli validate --no-net "$file") ;;
  *) echo "unknown kind: $kind" >&2; exit 2 ;;
esac
if ! command -v "${command[0]}" >/dev/null; then
  echo "missing tool: ${command[0]} (tools/deps.sh installs it)" >&2
  [[ "${CI:-}" == true ]] && exit 1
  exit 77
fi
output=$("${command[@]}" 2>&1)
status=$?
echo "$output"
if ((status != 0)); then exit 1; fi
case $kind in
  desktop) [[ -z "$output" ]] ;;
  metainfo)
    ! grep -qE '^[EW]:' <<<"$output" &&
      grep -q '<project_license>GPL-3.0-or-later</project_license>' "$file"
    ;;
esac
