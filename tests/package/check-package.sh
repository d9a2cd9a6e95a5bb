#!/usr/bin/env bash
# Checks the game as people install it, from a built release folder (default build/release):
#  - the Debian package that `cpack -G DEB` makes: its files (tests/package/files.txt), its
#    dependencies, the desktop entry, the AppStream data and the manual pages, and lintian;
#  - a `cmake --install` into a prefix that an ordinary user cannot write to: that user starts
#    the game to its title screen, ends it, and finds the options and the high scores (also those
#    of a level set it cannot write to) in its own home folder, with nothing written under the
#    prefix.
# Run as root it makes a user of its own (vorn-player-PID) for the last part and removes it
# afterwards; run as an ordinary user, that user plays.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build/release}" && pwd)
scratch=$(mktemp -d /tmp/vorn-package-XXXXXX)
player=vorn-player-$$
made_user=
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
    [ -n "$made_user" ] && userdel "$player" 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

echo "== the Debian package"
rm -f "$build"/vorn_*.deb
(cd "$build" && cpack -G DEB >"$scratch/cpack.log") || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$build"/vorn_*.deb)
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "vorn_${version}_${arch}.deb" ] || fail "unexpected package name $(basename "$deb")"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

root="$scratch/root"
dpkg -x "$deb" "$root"
(cd "$root" && find . -type f -o -type l | sed 's|^\.||' | sort) >"$scratch/files.txt"
diff -u "$here/files.txt" "$scratch/files.txt" || fail "the package's files differ from tests/package/files.txt"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libfontconfig1 fonts-comic-neue fonts-liberation2; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends lacks $needed"
done

desktop-file-validate "$root"/usr/share/applications/*.desktop
grep -qx 'Exec=/usr/games/vorn' "$root"/usr/share/applications/*.desktop || fail "the desktop entry does not start /usr/games/vorn"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
for page in "$root"/usr/share/man/man6/*.6.gz; do
    # Any warning of the formatter fails the check, as an empty page would.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$scratch/page.txt")
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    grep -qx NAME "$scratch/page.txt" || fail "$(basename "$page") renders empty"
done
"$root"/usr/games/vorn --version | grep -qx "Vorn! $version" || fail "the packaged game does not say its version"

echo "== lintian"
lintian --pedantic --display-info "$deb" 2>&1 | grep -v '^running with root privileges' | tee "$scratch/lintian.txt" || true
! grep -q '^E: ' "$scratch/lintian.txt" || fail "lintian reports errors"

echo "== a read-only installation, played by an ordinary user"
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$scratch/sets/easy"
cp "$prefix"/share/games/vorn/Level*.txt "$scratch/sets/easy/"
home="$scratch/home"
mkdir -p "$home"
chmod 755 "$scratch"
chmod -R a-w "$prefix" "$scratch/sets"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    useradd --system --no-create-home --home-dir "$home" --shell /usr/sbin/nologin "$player"
    made_user=1
    chown "$player": "$home"
    as_player=(runuser -u "$player" --)
fi
snapshot() { find "$prefix" "$scratch/sets" -printf '%p %s %T@ %m\n' | sort; }
snapshot >"$scratch/before.txt"

Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1024x768x24 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
display=":$(cat "$scratch/display")"

# Starts the installed game as the player, waits for its window and a little more, takes a
# picture of the screen, and ends it with SIGTERM, the orderly way.
play() {
    local shot=$1
    shift
    "${as_player[@]}" env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$display" SDL_AUDIODRIVER=dummy \
        VORN_NO_MESSAGE_BOX=1 "$prefix/games/vorn" --windowed "$@" 2>"$scratch/stderr.txt" &
    local game=$!
    DISPLAY="$display" timeout 20 xdotool search --sync --onlyvisible --name 'Vorn!' >/dev/null ||
        { cat "$scratch/stderr.txt"; fail "no window"; }
    sleep 2
    DISPLAY="$display" import -window root "$shot"
    pkill -TERM -P "$game" 2>/dev/null || kill -TERM "$game"
    local status=0
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || { cat "$scratch/stderr.txt"; fail "the game ended with status $status"; }
}

"${as_player[@]}" env -i HOME="$home" "$prefix/games/vorn" --version | grep -qx "Vorn! $version" ||
    fail "the installed game does not say its version"
play "$scratch/title.png"
saves="$home/.local/share/vorn"
[ "$(stat -c %s "$saves/HighScores.dat")" = 220 ] || fail "no high scores in $saves"
[ "$(stat -c %s "$saves/Options.dat")" = 4 ] || fail "no options in $saves"
[ "$(stat -c %a "$saves")" = 700 ] || fail "$saves is not private to the player"
play "$scratch/set.png" --levels "$scratch/sets/easy"
set_tables=("$saves"/level-sets/easy-*/HighScores.dat)
[ -f "${set_tables[0]}" ] || fail "the level set's table is not under $saves/level-sets"
snapshot >"$scratch/after.txt"
diff -u "$scratch/before.txt" "$scratch/after.txt" || fail "something was written under the prefix or the set"
echo "The player's files:"
(cd "$home" && find . -type f | sort)
if [ -n "${VORN_KEEP_SCREENS:-}" ]; then cp "$scratch"/*.png "$VORN_KEEP_SCREENS"/; fi
echo "check-package: all good"
