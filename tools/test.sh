#!/usr/bin/env bash
# Builds BRELIKO and runs every test stage (after installing what is missing):
#
#   bash tools/test.sh [STAGE...]
#
#   format    the code layout of every C++ file, shellcheck on every script
#   tests     unit, widget, end-to-end (real window under Xvfb and under a
#             headless Weston), the Debian package installed and purged
#             again (as root), soak and highscore kill tests, in the normal
#             build, and the sound stress test 30 times in a row
#   tidy      the static checks of .clang-tidy on src/
#   sanitize  the unit and widget tests again under AddressSanitizer and
#             UndefinedBehaviorSanitizer
#   tsan      the sound player's and the widgets' tests under ThreadSanitizer,
#             the sound played through a private PulseAudio server
#
# What each stage builds and runs, and where, is held by the presets of
# CMakePresets.json.
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

# A test program that was not built leaves only a stand-in test named
# <program>_NOT_BUILT, which a label filter would pass over without a word.
every_test_built() {
  local missing
  missing=$(ctest --test-dir "$1" -N | grep -o '[A-Za-z0-9_]*_NOT_BUILT' || true)
  if [[ -n "$missing" ]]; then
    echo "test programs not built in $1: ${missing//_NOT_BUILT/}" >&2
    exit 1
  fi
}

# Runs a program N times, two runs at a time (one on each core); every run
# must end with status 0.
repeat_runs() {
  local runs=$1 run status=0 start=$SECONDS logs
  shift
  logs=$(mktemp -d "${TMPDIR:-/tmp}/breliko-runs.XXXXXX")
  for ((run = 1; run <= runs; run += 2)); do
    local pids=() this
    for this in "$run" $((run + 1)); do
      ((this <= runs)) || continue
      "$@" >"$logs/$this" 2>&1 &
      pids+=("$this:$!")
    done
    local entry
    for entry in "${pids[@]}"; do
      if ! wait "${entry#*:}"; then
        cat "$logs/${entry%%:*}" >&2
        printf 'run %d of %d failed: %s\n' "${entry%%:*}" "$runs" "$*" >&2
        status=1
      fi
    done
    ((status == 0)) || break
  done
  rm -rf "$logs"
  ((status == 0)) || return 1
  echo "$runs runs passed, two at a time, in $((SECONDS - start)) s: $*"
}

# The time each stage took, printed at the end however the run ends.
stage_times=()
print_stage_times() {
  ((${#stage_times[@]} > 0)) || return 0
  echo "=== stage times ==="
  printf '%s\n' "${stage_times[@]}"
}
trap print_stage_times EXIT
run_start=$SECONDS

bash tools/deps.sh test
stage_times+=("$(printf '%-9s %4d s' deps $((SECONDS - run_start)))")
for stage in "${stages[@]}"; do
  echo "=== stage: $stage ==="
  stage_start=$SECONDS
  case $stage in
    format)
      bash tools/check_format.sh
      bash tools/check_scripts.sh
      ;;
    tests)
      bash tools/build.sh default
      every_test_built build
      with_sound_server ctest --preset default
      # A fault at the end of the program shows once in many runs: the
      # stress test of sounds while the program quits, 30 times.
      with_sound_server repeat_runs 30 build/tests/sound/breliko_sound_stress_test
      ;;
    tidy)
      bash tools/tidy.sh
      ;;
    sanitize)
      bash tools/build.sh sanitize
      every_test_built build-asan
      with_sound_server ctest --preset sanitize
      ;;
    tsan)
      bash tools/build.sh tsan
      every_test_built build-tsan
      with_sound_server ctest --preset tsan
      ;;
    fuzz)
      bash tools/fuzz.sh 30
      ;;
    *)
      echo "unknown stage: $stage (format, tests, tidy, sanitize, tsan or fuzz)" >&2
      exit 2
      ;;
  esac
  stage_times+=("$(printf '%-9s %4d s' "$stage" $((SECONDS - stage_start)))")
done
stage_times+=("$(printf '%-9s %4d s' all $((SECONDS - run_start)))")
echo "=== all stages passed: ${stages[*]} ==="
