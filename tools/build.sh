#!/usr/bin/env bash
# Configures and builds BRELIKO into build/ (after installing what is missing).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
werror=OFF
if [[ "${CI:-}" == "true" ]]; then
  werror=ON
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELIKO_WERROR="$werror"
cmake --build build
