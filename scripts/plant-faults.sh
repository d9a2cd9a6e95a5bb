#!/usr/bin/env bash
# scripts/plant-faults.sh: how many deliberate faults the test suite catches.
#
#   scripts/plant-faults.sh [--rev REV] [--only ID,ID...] [--no-e2e] [--check] [--faults FILE]
#
# Every fault of scripts/faults.txt (a file, a text to find there, its replacement and the rule
# it breaks) is planted, one at a time, in a copy of the tree at REV (HEAD by default) exported
# to build/faults/tree, which is built in Release in build/faults/tree/build. The copy is first
# built and tested as it is: every test must pass there, or no verdict could be trusted. Then,
# for each fault, the file is changed, the programs and tests are built again, and the suite
# runs in two stages:
#   1. the labels unit, integration, soak and sdl (the real platform's own tests, in trees
#      that have them; a few seconds);
#   2. only when stage 1 missed the fault, the label e2e (the real program under Xvfb, half a
#      minute), unless --no-e2e is given.
# The file is then restored before the next fault. A test that fails is run once more, so that
# a test slowed by a busy machine neither fails the clean tree nor passes for a catch. A fault is
# "caught" when a test fails twice (or times out), "MISSED" when every test passes, and the
# script says so plainly when a fault's text is no longer found (or found more than once) or the
# changed file does not build: the faults are anchored on formulas and conditions, and someone
# may have tidied them since.
#
# The verdicts go to build/faults/results-COMMIT.tsv and, as a table, to standard output. --check only
# looks for every fault's text at REV, without building anything.
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true
cd "$(dirname "$0")/.."
root=$PWD

rev=HEAD
faults=$root/scripts/faults.txt
only=""
e2e=1
check=0
while [ $# -gt 0 ]; do
  case "$1" in
    --rev) rev=$2; shift 2 ;;
    --faults) faults=$(realpath "$2"); shift 2 ;;
    --only) only=",$2,"; shift 2 ;;
    --no-e2e) e2e=0; shift ;;
    --check) check=1; shift ;;
    *) echo "usage: scripts/plant-faults.sh [--rev REV] [--only ID,ID...] [--no-e2e] [--check] [--faults FILE]" >&2
       exit 2 ;;
  esac
done
commit=$(git rev-parse --verify "$rev^{commit}")

# --- The faults file: blocks of "[id]" then "key: value" lines. ---
ids=() files=() finds=() replaces=() rules=()
current=""
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    '#'* | '') continue ;;
    '['*']')
      current=${line:1:${#line}-2}
      ids+=("$current") files+=("") finds+=("") replaces+=("") rules+=("")
      continue ;;
  esac
  [ -n "$current" ] || { echo "$faults: a line before the first [id]: $line" >&2; exit 2; }
  key=${line%%:*}
  value=${line#*:}
  value=${value# }
  n=$((${#ids[@]} - 1))
  case "$key" in
    file) files[n]=$value ;;
    find) finds[n]=$value ;;
    replace) replaces[n]=$value ;;
    breaks) rules[n]=$value ;;
    *) echo "$faults: unknown key '$key' in [$current]" >&2; exit 2 ;;
  esac
done <"$faults"
for i in "${!ids[@]}"; do
  if [ -z "${files[i]}" ] || [ -z "${finds[i]}" ] || [ -z "${rules[i]}" ]; then
    echo "$faults: [${ids[i]}] needs file, find and breaks" >&2
    exit 2
  fi
done

selected() { [ -z "$only" ] || [[ "$only" == *",$1,"* ]]; }

# How many times the text occurs in the content.
occurrences() {
  local content=$1 text=$2
  local rest=${content//"$text"/}
  echo $(((${#content} - ${#rest}) / ${#text}))
}

if [ "$check" = 1 ]; then
  missing=0
  for i in "${!ids[@]}"; do
    selected "${ids[i]}" || continue
    content=$(git show "$commit:${files[i]}" 2>/dev/null) || content=""
    n=$(occurrences "$content" "${finds[i]}")
    if [ "$n" != 1 ]; then
      echo "${ids[i]}: the text is found $n times in ${files[i]}: ${finds[i]}"
      missing=$((missing + 1))
    fi
  done
  echo "${#ids[@]} faults, $missing without exactly one place at ${commit:0:10}"
  [ "$missing" = 0 ]
  exit
fi

out=$root/build/faults
tree=$out/tree
build=$tree/build
logs=$out/logs
mkdir -p "$out"
rm -rf "$tree" "$logs"
mkdir -p "$tree" "$logs"
git archive "$commit" | tar -x -C "$tree"

# What the tests need: the game (with its pictures, sounds and levels), the tools they run, the
# three test programs. The benchmarks are left out.
targets=(vorn vorn-sim vorn-levelcheck vorn-soak vorn_unit_tests vorn_integration_tests vorn_e2e_tests)
labels_first='unit|integration|soak'
# Older trees keep the real platform's tests among the unit tests.
if [ -d "$tree/tests/sdl" ]; then
  targets+=(vorn_sdl_tests)
  labels_first+='|sdl'
fi
jobs=$(nproc)
build_all() {
  nice cmake --build "$build" -j"$jobs" --target "${targets[@]}" >"$1" 2>&1
}
# Runs the labels; prints the names of the tests that failed, and returns non-zero when any did.
run_tests() {
  local labels=$1 log=$2
  if (cd "$build" && timeout 1200 nice ctest -L "$labels" -j"$jobs" --timeout 180 --repeat until-pass:2) >"$log" 2>&1; then
    return 0
  fi
  sed -n '/The following tests FAILED/,$p' "$log" | sed -nE 's/^[[:space:]]+[0-9]+ - ([^ ]+).*/\1/p' |
    head -4 | paste -sd' ' -
  [ -s "$log" ] && grep -q 'tests passed' "$log" || echo "(ctest did not finish)"
  return 1
}

echo "plant-faults: the tree at ${commit:0:10}, ${#ids[@]} faults in $(basename "$faults")"
cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$logs/configure.log" 2>&1
if ! build_all "$logs/build-clean.log"; then
  echo "the clean tree does not build: $logs/build-clean.log" >&2
  exit 1
fi
if ! failed=$(run_tests "$labels_first|e2e" "$logs/tests-clean.log"); then
  echo "the clean tree fails its own tests ($failed): $logs/tests-clean.log" >&2
  exit 1
fi
echo "plant-faults: the clean tree builds and passes every test"

results=$out/results-${commit:0:10}.tsv
printf 'id\tfile\tverdict\tfailed tests\tbreaks\n' >"$results"
caught=0 missed=0 unplanted=0 planted=0
for i in "${!ids[@]}"; do
  id=${ids[i]} file=${files[i]}
  selected "$id" || continue
  path=$tree/$file
  detail=""
  if [ ! -f "$path" ]; then
    verdict="NOT PLANTED: no such file"
  else
    content=$(<"$path")
    n=$(occurrences "$content" "${finds[i]}")
    if [ "$n" != 1 ]; then
      verdict="NOT PLANTED: its text is found $n times"
    else
      cp -p "$path" "$out/original"
      printf '%s\n' "${content/"${finds[i]}"/"${replaces[i]}"}" >"$path"
      if ! build_all "$logs/$id-build.log"; then
        verdict="NOT PLANTED: does not build"
      elif failed=$(run_tests "$labels_first" "$logs/$id-tests.log"); then
        if [ "$e2e" = 1 ] && ! failed=$(run_tests e2e "$logs/$id-e2e.log"); then
          verdict="caught by e2e"
          detail=$failed
        else
          verdict="MISSED"
        fi
      else
        verdict="caught by unit/integration"
        detail=$failed
      fi
      cp -p "$out/original" "$path"
      touch "$path"
    fi
  fi
  case "$verdict" in
    caught*) caught=$((caught + 1)); planted=$((planted + 1)) ;;
    MISSED) missed=$((missed + 1)); planted=$((planted + 1)) ;;
    *) unplanted=$((unplanted + 1)) ;;
  esac
  printf '%s\t%s\t%s\t%s\t%s\n' "$id" "$file" "$verdict" "$detail" "${rules[i]}" >>"$results"
  printf '%-24s %-28s %s\n' "$id" "$verdict" "$detail"
done

echo
echo "| fault | breaks | verdict | first failing tests |"
echo "|---|---|---|---|"
tail -n +2 "$results" | while IFS=$'\t' read -r id file verdict detail rule; do
  echo "| $id | $rule | $verdict | $detail |"
done
echo
echo "plant-faults: ${commit:0:10}: caught $caught of $planted planted faults, missed $missed, not planted $unplanted"
echo "(stage 1: labels ${labels_first//|/, }; stage 2 for what stage 1 missed: $([ "$e2e" = 1 ] && echo e2e || echo skipped))"
