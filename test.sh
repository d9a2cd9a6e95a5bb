#!/usr/bin/env bash
# Builds everything and runs every test: the Release build (unit, integration, real-platform and
# e2e tests), its Debian package and a read-only installation played by an ordinary user, then
# the sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer) of the same suites but e2e.
# Both builds come from CMakePresets.json (build/release and build/asan), with warnings as errors.
# Before the tests run, the layout is checked against .clang-format and clang-tidy runs the checks
# of .clang-tidy over every file the Release build compiles; a finding of either fails the run.
# VORN_LINT=0 skips those two checks (a quick run while working; CI always runs them).
set -euo pipefail
cd "$(dirname "$0")"
lint=${VORN_LINT:-1}
if [ "$lint" = 1 ]; then scripts/install-deps.sh --lint; else scripts/install-deps.sh; fi
jobs=$(nproc)

cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
if [ "$lint" = 1 ]; then
  scripts/check-format.sh
  scripts/tidy.sh build/release
fi
ctest --preset release -j"$jobs"
tests/package/check-package.sh build/release

cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"
