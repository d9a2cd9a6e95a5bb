#!/usr/bin/env bash
# scripts/check-layers.sh: checks that the code in src/ includes only downwards, in the order
#   core < platform < engines, forms < devinfo < game < app
# (a folder includes its own headers and those of the folders before it), and that SDL,
# SDL_ttf, SDL_mixer, fontconfig and Dear ImGui stay inside src/platform:
#  - only src/platform includes their headers;
#  - the headers that code outside src/platform includes (src/platform/*.h, headless/*.h and
#    sdl/RealPlatform.h) name none of their types;
#  - the game reaches the real platform only through sdl/RealPlatform.h, from main.cpp, and
#    never the headless one; the two platforms do not include each other.
# Prints every include that breaks a rule and exits 1 when there is any. The build runs it
# before it compiles anything.
set -euo pipefail
cd "$(dirname "$0")/../src"

broken=0
complain() {
  echo "check-layers: $1" >&2
  broken=1
}

# The folders each folder may include from, besides its own.
declare -A below=(
  [core]=""
  [platform]="core"
  [engines]="core platform"
  [forms]="core platform"
  [devinfo]="core platform engines"
  [game]="core platform engines forms devinfo"
  [app]="core platform engines forms devinfo game"
)

# "file:line:#include ..." for every include of the project's own headers.
while IFS=: read -r file line text; do
  layer=${file%%/*}
  target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$text")
  used=${target%%/*}
  [ "$used" = "$layer" ] && continue
  if [ -z "${below[$layer]+set}" ]; then
    complain "$file:$line: $layer is not a known layer"
  elif ! [[ " ${below[$layer]} " == *" $used "* ]]; then
    complain "$file:$line: $layer must not include $target"
  fi
done < <(grep -rnE '^\s*#\s*include\s+"' --include='*.h' --include='*.cpp' . | sed 's|^\./||')

# The libraries of the platform: their headers, and their types and functions by prefix.
library_header='#\s*include\s*<(SDL[^>]*|SDL2/[^>]*|imgui[^>]*|fontconfig/[^>]*)>'
library_name='\b(SDL_|TTF_|Mix_|Fc[A-Z]|Im[A-Z])'

while IFS=: read -r file line _; do
  [[ "$file" == platform/* ]] || complain "$file:$line: only src/platform includes SDL, SDL_ttf, SDL_mixer, fontconfig or ImGui"
done < <(grep -rnE "$library_header" --include='*.h' --include='*.cpp' . | sed 's|^\./||')

# Headers outside the folder include: no library header, and no library name outside comments.
for header in platform/*.h platform/headless/*.h platform/sdl/RealPlatform.h; do
  while IFS=: read -r line text; do
    complain "$header:$line: names a library type where code outside src/platform sees it: $text"
  done < <(sed -E 's|//.*||' "$header" | grep -nE "$library_header|$library_name" || true)
done

while IFS=: read -r file line text; do
  case "$file" in
    platform/headless/*)
      [[ "$text" == *'"platform/sdl/'* ]] && complain "$file:$line: the headless platform must not include the SDL one"
      ;;
    platform/sdl/*)
      [[ "$text" == *'"platform/headless/'* ]] && complain "$file:$line: the SDL platform must not include the headless one"
      ;;
    platform/*)
      complain "$file:$line: the shared platform code must not include either platform"
      ;;
    app/main.cpp)
      [[ "$text" == *'"platform/sdl/RealPlatform.h"'* ]] ||
        complain "$file:$line: the program reaches the SDL platform only through platform/sdl/RealPlatform.h"
      ;;
    *)
      complain "$file:$line: only app/main.cpp includes a platform of its own"
      ;;
  esac
done < <(grep -rnE '#\s*include\s*"platform/(sdl|headless)/' --include='*.h' --include='*.cpp' . | sed 's|^\./||')

exit "$broken"
