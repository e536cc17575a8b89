#!/usr/bin/env bash
# Builds BRELIKO and runs every test stage (after installing what is missing):
#
#   bash tools/test.sh [STAGE...]
#
#   format    the code layout of every C++ file
#   tests     unit, widget, end-to-end (real window under Xvfb), soak and
#             highscore kill tests, in the normal build, and the sound
#             stress test 30 times in a row
#   tidy      the static checks of .clang-tidy on src/
#   sanitize  the unit and widget tests again under AddressSanitizer and
#             UndefinedBehaviorSanitizer
#   tsan      the sound player's and the widgets' tests under ThreadSanitizer,
#             the sound played through a private PulseAudio server
#   fuzz      30 s of libFuzzer on each reader of the highscore file
#
# Without arguments every stage runs, in this order; the first failing stage
# ends the run.
set -euo pipefail
cd "$(dirname "$0")/.."

stages=("$@")
if ((${#stages[@]} == 0)); then
  stages=(format tests tidy sanitize tsan fuzz)
fi

# Runs a command with a private PulseAudio server (null sink) for the sound
# player's tests to play through; the server is stopped by its process id
# however the command ends.
with_sound_server() (
  source tools/pulse_server.sh
  pulse_folder=$(mktemp -d "${TMPDIR:-/tmp}/breliko-pulse.XXXXXX")
  trap 'pulse_stop; rm -rf "$pulse_folder"' EXIT
  pulse_start "$pulse_folder"
  "$@"
)

# Runs a program N times in a row; every run must end with status 0.
repeat_runs() {
  local runs=$1 run output start=$SECONDS
  shift
  for run in $(seq "$runs"); do
    if ! output=$("$@" 2>&1); then
      printf '%s\nrun %d of %d failed: %s\n' "$output" "$run" "$runs" "$*" >&2
      return 1
    fi
  done
  echo "$runs runs in a row passed in $((SECONDS - start)) s: $*"
}

bash tools/deps.sh
for stage in "${stages[@]}"; do
  echo "=== stage: $stage ==="
  case $stage in
    format)
      bash tools/check_format.sh
      ;;
    tests)
      bash tools/build.sh default
      with_sound_server ctest --test-dir build --output-on-failure --timeout 600
      # A fault at the end of the program shows once in many runs: the
      # stress test of sounds while the program quits, 30 times in a row.
      with_sound_server repeat_runs 30 build/tests/sound/breliko_sound_stress_test
      ;;
    tidy)
      bash tools/tidy.sh
      ;;
    sanitize)
      bash tools/build.sh sanitize
      # The real window and the long soak are left to the normal build.
      ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1 \
        UBSAN_OPTIONS=print_stacktrace=1 \
        with_sound_server ctest --test-dir build-asan --output-on-failure --timeout 900 --label-exclude 'e2e|soak'
      ;;
    tsan)
      bash tools/build.sh tsan
      # Any report fails its test. The suppressions cover only libraries
      # that are not built with ThreadSanitizer.
      TSAN_OPTIONS="halt_on_error=1 exitcode=66 second_deadlock_stack=1 suppressions=$PWD/tests/tsan_suppressions.txt" \
        with_sound_server ctest --test-dir build-tsan --output-on-failure --timeout 900 \
        --label-regex 'sound|widgets'
      ;;
    fuzz)
      bash tools/fuzz.sh 30
      ;;
    *)
      echo "unknown stage: $stage (format, tests, tidy, sanitize, tsan or fuzz)" >&2
      exit 2
      ;;
  esac
done
echo "=== all stages passed: ${stages[*]} ==="
