#!/usr/bin/env bash
# Builds BRELIKO and starts it from the repository root, where it finds its
# sounds/ folder and keeps its highscore file P1.dat.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/build.sh play
exec ./build-play/breliko
