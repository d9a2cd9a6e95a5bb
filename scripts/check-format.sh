#!/usr/bin/env bash
# scripts/check-format.sh [FILE...]: checks that the C++ files (every .cpp and .h under src,
# tools, tests and bench, or the files given) are laid out as .clang-format says. Prints each
# file that differs and how many do, and exits 1 when any does. `clang-format -i FILE` lays a
# file out; `clang-format --dry-run FILE` shows where it differs.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || scripts/install-deps.sh --lint

files=("$@")
if ((${#files[@]} == 0)); then
  mapfile -t files < <(find src tools tests bench -name '*.cpp' -o -name '*.h' | sort)
fi
differ=0
for file in "${files[@]}"; do
  if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
    echo "$file"
    differ=$((differ + 1))
  fi
done
echo "check-format: $differ of ${#files[@]} files differ from .clang-format" >&2
((differ == 0))
