#!/usr/bin/env bash
# Configures and builds BRELIKO (after installing what is missing).
#
#   bash tools/build.sh [PRESET]
#
# PRESET "default" (the default) builds the game, tests and benchmarks into
# build/; "sanitize" builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (see CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
case $preset in
  default) folder=build ;;
  sanitize) folder=build-asan ;;
  *) echo "unknown preset: $preset (default or sanitize)" >&2; exit 2 ;;
esac

bash tools/deps.sh
werror=OFF
if [[ "${CI:-}" == "true" ]]; then
  werror=ON
fi
cmake --preset "$preset" -DBRELIKO_WERROR="$werror"
cmake --build "$folder"
