#!/usr/bin/env bash
# Builds Vorn! in Release and starts it from its build folder. Extra arguments go to the game
# ("SANDBOX" switches developer mode on); VORN_WINDOWED=1 opens a window instead of full screen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target vorn
exec build/release/bin/vorn "$@"
