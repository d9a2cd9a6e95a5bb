#!/usr/bin/env bash
# scripts/tidy.sh [BUILD_DIR] [FILE_REGEX]: runs clang-tidy with the checks of .clang-tidy over
# every source file of src, tools, tests and bench that the build compiles (its
# compile_commands.json, which the release preset writes; default build/release), or over those
# whose path matches FILE_REGEX. The project's headers are checked through the sources that
# include them. Prints each finding once, then how many there are per check and in all; exits 1
# when there is any. clang-tidy's whole output is kept in BUILD_DIR/tidy.log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build/release}
files=${2:-"^$root/(src|tools|tests|bench)/"}
command -v run-clang-tidy >/dev/null || scripts/install-deps.sh --lint
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: no $build/compile_commands.json; configure with cmake --preset release first" >&2
  exit 2
fi

log=$build/tidy.log
# run-clang-tidy answers non-zero when clang-tidy found anything (the count below decides) and
# always colours its output (the colours go).
nice run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$files" 2>&1 | sed -E 's/\x1b\[[0-9;]*m//g' >"$log" || true
if grep -qE '^Error while processing|error: .*\[clang-diagnostic-error\]' "$log"; then
  grep -E -A3 '^Error while processing|\[clang-diagnostic-error\]' "$log" >&2
  echo "tidy: clang-tidy could not read every file" >&2
  exit 2
fi

# A header's finding is reported once for every source that includes it.
findings=$(grep -E '^/.*:[0-9]+:[0-9]+: warning: .* \[[a-z0-9.,-]+\]$' "$log" | sed "s|^$root/||" | sort -u || true)
if [ -z "$findings" ]; then
  echo "tidy: no findings"
  exit 0
fi
echo "$findings"
echo
echo "Findings per check:"
sed -E 's/.*\[([a-z0-9.-]+)(,[^]]*)?\]$/\1/' <<<"$findings" | sort | uniq -c | sort -rn
echo "tidy: $(wc -l <<<"$findings") findings in $(cut -d: -f1 <<<"$findings" | sort -u | wc -l) files" >&2
exit 1
