#!/usr/bin/env bash
# Builds BRELIKO and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/build.sh
ctest --test-dir build --output-on-failure --timeout 600
