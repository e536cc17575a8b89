#!/usr/bin/env bash
# Checks the shell scripts of the build, the tests and the measurements:
# the checks of shellcheck, which follows the helpers they source (see
# .shellcheckrc).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t scripts < <(git ls-files 'tools/*.sh' 'tests/*.sh' 'bench/*.sh' .ci/run)
shellcheck "${scripts[@]}"
echo "scripts checked: ${#scripts[@]} files"
