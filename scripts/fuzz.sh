#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS]: builds the fuzz targets of tests/fuzz with clang in build/fuzz (the
# fuzz preset of CMakePresets.json) and runs each for SECONDS (default 60), one after the other.
# Prints "NAME: N runs, C crashes" per target and exits non-zero when any target crashed or
# broke a property.
#
# Each target first runs its seeds and regression inputs, then fuzzes from them and from the
# corpus it has grown in build/fuzz/corpus/NAME, with tests/fuzz/NAME/dictionary when there is
# one. Inputs that crash are kept in build/fuzz/crashes/NAME (emptied when the target starts);
# once the fault is mended, copy them to tests/fuzz/NAME/regressions. The whole log of a run is
# build/fuzz/logs/NAME.log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

scripts/install-deps.sh --fuzz
build=$root/build/fuzz
mkdir -p "$build/logs"
if ! { cmake --preset fuzz && cmake --build --preset fuzz -j"$(nproc)"; } >"$build/logs/build.log" 2>&1; then
  cat "$build/logs/build.log" >&2
  exit 1
fi

# The targets write only into temporary folders, all of them inside this one. It is on tmpfs
# when there is one: the game flushes every file it saves to the disk, which makes the runs of
# the two .dat targets some forty times slower there.
parent=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && parent=/dev/shm
scratch=$(mktemp -d "$parent/vorn-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
# Nothing may open a window or a sound device.
unset DISPLAY WAYLAND_DISPLAY
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
symbolizer=$(command -v llvm-symbolizer || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer

failed=0
while read -r name; do
  [ -n "$name" ] || continue
  program=$build/bin/fuzz-$name
  corpus=$build/corpus/$name
  crashes=$build/crashes/$name
  log=$build/logs/$name.log
  rm -rf "$crashes"
  mkdir -p "$corpus" "$crashes"
  inputs=("$root/tests/fuzz/$name/seeds")
  [ -d "$root/tests/fuzz/$name/regressions" ] && inputs+=("$root/tests/fuzz/$name/regressions")

  # The stored inputs first, each on its own: one that crashes is a fault come back.
  replay_failed=0
  files=()
  while IFS= read -r -d '' f; do files+=("$f"); done < <(find "${inputs[@]}" -type f -print0)
  replayed=${#files[@]}
  if ! nice "$program" -artifact_prefix="$crashes/" "${files[@]}" >"$log" 2>&1; then
    replay_failed=1
  fi

  # Then the fuzzing, in a child process that is restarted after every crash, so that one
  # fault does not hide the next.
  dictionary=()
  [ -f "$root/tests/fuzz/$name/dictionary" ] && dictionary=(-dict="$root/tests/fuzz/$name/dictionary")
  nice "$program" "${dictionary[@]}" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -timeout=10 \
    -max_total_time="$seconds" -artifact_prefix="$crashes/" "$corpus" "${inputs[@]}" >>"$log" 2>&1 || true
  stats=$(grep -E '^#[0-9]+: cov:' "$log" | tail -n 1 || true)
  runs=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$stats")
  found=$(find "$crashes" -type f | wc -l)
  ((found == 0 && replay_failed)) && found=1
  if [ -z "$runs" ]; then
    echo "$name: did not fuzz (see $log)"
    failed=1
    continue
  fi
  echo "$name: $((runs + replayed)) runs, $found crashes"
  if ((found)); then
    failed=1
    # What went wrong, from the first crashing input, run again on its own.
    first=$(find "$crashes" -type f | head -n 1)
    if [ -n "$first" ]; then
      reason=$("$program" -artifact_prefix="$scratch/" "$first" 2>&1 |
        grep -m 1 -E 'property broken|exception escaped|ERROR: [A-Za-z]+Sanitizer|runtime error|ERROR: libFuzzer' ||
        true)
      echo "  $first: $reason" >&2
    fi
  fi
done <"$build/fuzz-targets.txt"

if ((failed)); then
  echo "Run a crashing input again with build/fuzz/bin/fuzz-NAME FILE; the logs are in $build/logs/." >&2
fi
exit "$failed"
