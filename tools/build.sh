#!/usr/bin/env bash
# Configures and builds BRELIKO (after installing what is missing).
#
#   bash tools/build.sh [PRESET]
#
# PRESET "default" (the default) builds the game, tests and benchmarks into
# build/; "sanitize" builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/; "tsan" builds the tests of
# the sound player and of the widgets (CTest labels sound and widgets) with
# ThreadSanitizer into build-tsan/ (see CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
targets=()
case $preset in
  default) folder=build ;;
  sanitize) folder=build-asan ;;
  tsan)
    folder=build-tsan
    targets=(--target breliko_sound_tests breliko_sound_stress_test breliko_sound_quit_test
      breliko_main_window_test breliko_tree_canvas_test breliko_highscore_windows_test)
    ;;
  *) echo "unknown preset: $preset (default, sanitize or tsan)" >&2; exit 2 ;;
esac

bash tools/deps.sh
werror=OFF
if [[ "${CI:-}" == "true" ]]; then
  werror=ON
fi
cmake --preset "$preset" -DBRELIKO_WERROR="$werror"
cmake --build "$folder" "${targets[@]}"
