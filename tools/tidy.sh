#!/usr/bin/env bash
# Runs the static checks of .clang-tidy over the game's own sources (src/),
# with the compile commands of the normal build; builds that first if needed.
# Takes some minutes: every file pulls in the Qt headers.
set -euo pipefail
cd "$(dirname "$0")/.."

[[ -f build/compile_commands.json ]] || bash tools/build.sh default
run-clang-tidy -p build -quiet -j "$(nproc)" "^$(pwd)/src/.*\.cpp$"
