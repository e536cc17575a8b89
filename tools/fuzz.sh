#!/usr/bin/env bash
# Builds the libFuzzer targets of the highscore file into build-fuzz/ and runs
# each one for SECONDS (default 30), side by side, on a scratch copy of its
# seed corpus in fuzz/corpus/, which stays as committed. Fails if a target
# crashes; the input that did it is kept in build-fuzz/crashes/.
#
#   bash tools/fuzz.sh [SECONDS]
#
# Installs nothing. Needs the Debian packages clang-14, libclang-rt-14-dev,
# qt6-base-dev, cmake and ninja-build.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
targets=(fuzz_read_file fuzz_entry_and_reset)

cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --parallel "${BRELIKO_FUZZ_JOBS:-$(nproc)}"

# Every save syncs to the disk: in memory the targets run several times faster.
scratch_parent=/dev/shm
[[ -d "$scratch_parent" && -w "$scratch_parent" ]] || scratch_parent="${TMPDIR:-/tmp}"
scratch="$(mktemp -d -p "$scratch_parent" breliko-fuzz.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p build-fuzz/crashes

# The targets run side by side, one on each core, each in a folder of its own.
pids=()
for target in "${targets[@]}"; do
  cp -r "fuzz/corpus/$target" "$scratch/$target"
  mkdir -p "$scratch/$target.tmp"
  echo "== $target: $seconds s"
  TMPDIR="$scratch/$target.tmp" UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/crashes/$target-" "$scratch/$target" >"$scratch/$target.log" 2>&1 &
  pids+=($!)
done

summary=()
failed=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  log="$scratch/$target.log"
  status=0
  wait "${pids[$i]}" || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
  if [[ $status -ne 0 ]]; then
    failed=1
    tail -n 40 "$log"
    summary+=("$target: FAILED (exit $status), input kept in build-fuzz/crashes/")
  else
    summary+=("$target: ${runs:-?} runs, ${rate:-?} executions/s")
  fi
done

echo "== summary"
printf '%s\n' "${summary[@]}"
exit "$failed"
