#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing.
# With --fuzz it also brings what scripts/fuzz.sh needs: clang, its runtime libraries (libFuzzer
# and the sanitizers) and llvm-symbolizer for readable stack traces; the other builds use gcc and
# do without them. With --lint it also brings clang-format and clang-tidy, for
# scripts/check-format.sh and scripts/tidy.sh.
set -euo pipefail
packages=(
  build-essential cmake pkg-config ccache
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libfontconfig-dev libimgui-dev libcairo2-dev zlib1g-dev
  fonts-comic-neue fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils openbox
  dpkg-dev file lintian desktop-file-utils appstream man-db groff-base
)
for arg in "$@"; do
  case "$arg" in
    --fuzz) packages+=(clang libclang-rt-dev llvm) ;;
    --lint) packages+=(clang-format clang-tidy) ;;
    *) echo "usage: $0 [--fuzz] [--lint]" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
