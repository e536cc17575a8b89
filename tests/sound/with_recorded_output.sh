#!/usr/bin/env bash
# Runs a test program against a sound server of its own while parec records
# everything the server's output plays, so the program can hear what it
# played and no other test's sound mixes in:
#
#   with_recorded_output.sh PROGRAM [ARGUMENTS...]
#
# The program finds the recording, signed 16-bit mono at 22050 Hz, in the
# file named by BRELIKO_OUTPUT_RECORDING, growing while it runs. The server
# and the recorder are started here rather than by the program, so the
# program never forks beside the threads its sound output brings (which
# ThreadSanitizer cannot follow).
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/pulse_server.sh"
folder=$(mktemp -d "${TMPDIR:-/tmp}/breliko-recorded.XXXXXX")
parec_pid=""
finish() {
  [[ -z "$parec_pid" ]] || { kill "$parec_pid" 2>/dev/null; wait "$parec_pid" 2>/dev/null; }
  pulse_stop
  rm -rf "$folder"
}
trap finish EXIT
pulse_start "$folder/server" || exit 1
parec -d @DEFAULT_MONITOR@ --raw --format=s16le --channels=1 --rate=22050 --latency-msec=50 \
  >"$folder/output.raw" &
parec_pid=$!
BRELIKO_OUTPUT_RECORDING="$folder/output.raw" "$@"
