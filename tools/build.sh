#!/usr/bin/env bash
# Configures and builds BRELIKO (after installing what is missing).
#
#   bash tools/build.sh [PRESET]
#
# The build presets of CMakePresets.json say what each builds and where:
# "default" (the default) everything into build/; "play" only the program,
# quickly and without debug information, into build-play/, with the
# packages of `deps.sh play` alone; "sanitize" everything under
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/; "tsan"
# everything under ThreadSanitizer into build-tsan/.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
case $preset in
  default) configure=default packages=test ;;
  play) configure=play packages=play ;;
  sanitize | tsan) configure=$preset packages=test ;;
  *) echo "unknown preset: $preset (default, play, sanitize or tsan)" >&2; exit 2 ;;
esac

bash tools/deps.sh "$packages"
werror=OFF
if [[ "${CI:-}" == "true" ]]; then
  werror=ON
fi
cmake --preset "$configure" -DBRELIKO_WERROR="$werror"
cmake --build --preset "$preset"
