#!/usr/bin/env bash
# Checks that every C++ file keeps the layout of .clang-format. Reformat
# with: clang-format -i $(git ls-files '*.cpp' '*.h')
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz -name '*.cpp' -o -name '*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "the files above need clang-format -i" >&2
  exit 1
fi
echo "layout checked: ${#files[@]} files"
