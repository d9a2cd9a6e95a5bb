#!/usr/bin/env bash
# Builds Vorn! in Release (the release preset, which test.sh also uses) and starts it from its
# build folder. Extra arguments go to the game ("SANDBOX" switches developer mode on);
# VORN_WINDOWED=1 opens a window instead of full screen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target vorn
exec build/release/bin/vorn "$@"
