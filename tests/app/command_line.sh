#!/usr/bin/env bash
# The game's command line, with no display at all, as over ssh or in a
# script: --help and --version answer and exit 0, anything else is refused
# with exit 2, and none of it opens a window or leaves a file in the folder
# the game was started from, nor in the player's own folders. With no
# compositor to reach under Wayland, the game says so and fails, again
# leaving nothing. Usage: command_line.sh path/to/quintrel
set -uo pipefail
game=$(readlink -f "$1")
project=$(readlink -f "$(dirname "$0")/../../CMakeLists.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/folder" "$work/home" && mkdir -m 700 "$work/run"
cd "$work/folder"
unset DISPLAY WAYLAND_DISPLAY
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
  XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
failed=0

# Runs the game with the arguments given; checks its exit status, that what
# it printed on the stream named matches the pattern, that the other stream
# is empty, and that no file appeared.
check() {
  local what=$1 status=$2 stream=$3 pattern=$4
  shift 4
  timeout 20 "$game" "$@" > "$work/out" 2> "$work/err"
  local got=$? other=err
  [ "$stream" = err ] && other=out
  local left
  left=$(cd "$work" && find folder home run -mindepth 1 | head -3 | tr '\n' ' ')
  if [ "$got" != "$status" ] || ! grep -Eq "$pattern" "$work/$stream" || [ -s "$work/$other" ] || [ -n "$left" ]; then
    echo "FAIL: $what: exit $got, out: $(head -c 300 "$work/out"), err: $(head -c 300 "$work/err"), files: $left"
    failed=1
  else
    echo "ok: $what"
  fi
}

usage='^Usage: quintrel \[options\]'
version='^Quintrel [0-9]+\.[0-9]+\.[0-9]+$'
check "--help" 0 out "$usage" --help
check "-h" 0 out "$usage" -h
check "--version names the game, its version, copyright and licence" 0 out "$version" --version
grep -q "^Copyright [0-9]\{4\} " "$work/out" && grep -q "^Licence: " "$work/out" || { echo "FAIL: no copyright or licence"; failed=1; }
check "--version says the project's version" 0 out "^Quintrel $(sed -n 's/^project(quintrel VERSION \([0-9.]*\).*/\1/p' "$project")\$" --version
check "options repeated and in any order" 0 out "$version" --version -v --version
check "help before version" 0 out "$usage" --version --help
check "an unknown option" 2 err "Unknown option 'colour'" --colour
check "an unknown option after a good one" 2 err "Unknown option 'x'" --version -x
check "-- and what follows" 2 err "'--help'" -- --help
check "an argument that is no text" 2 err "^quintrel: " "$(printf '\xff\xfe\x80')"
check "a file given" 2 err "first 'hiscores.dat'" hiscores.dat
mapfile -t many < <(seq 10000)
check "10,000 arguments" 2 err "given 10000 of them" "${many[@]}"
check "10,000 arguments after --version" 0 out "$version" --version "${many[@]/*/--version}"

# No option, under Wayland, with no compositor there: Qt's own message
# names the platform, and the game fails without a core or any file.
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=no-such-compositor
check "no compositor" 1 err "wayland"
exit "$failed"
