#!/usr/bin/env bash
# Configures and builds BRELIKO (after installing what is missing).
#
#   bash tools/build.sh [PRESET]
#
# The build presets of CMakePresets.json say what each builds and where:
# "default" (the default) everything into build/, "play" only the program
# and its icons into build/, "sanitize" everything under AddressSanitizer
# and UndefinedBehaviorSanitizer into build-asan/, "tsan" everything under
# ThreadSanitizer into build-tsan/.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
case $preset in
  default | play) configure=default ;;
  sanitize | tsan) configure=$preset ;;
  *) echo "unknown preset: $preset (default, play, sanitize or tsan)" >&2; exit 2 ;;
esac

bash tools/deps.sh
werror=OFF
if [[ "${CI:-}" == "true" ]]; then
  werror=ON
fi
cmake --preset "$configure" -DBRELIKO_WERROR="$werror"
cmake --build --preset "$preset"
