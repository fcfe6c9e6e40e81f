#!/usr/bin/env bash
# Takes the screenshots in docs/ from the game already built in build/ (it
# builds nothing): the table idle, dealt, counting a bonus and at game over,
# the menu and the windows it opens, and the high score table, each at scale 1
# (docs/<name>.png) and at scale 2 (docs/<name>@2x.png).
#
#   tools/screenshots.sh               # both scales
#   SCALES=2 tools/screenshots.sh      # only one
#   QUINTREL=/path/to/quintrel tools/screenshots.sh
#
# Needs xvfb-run, xdotool and ImageMagick's import. The game runs in a fresh
# temporary folder, so its score files start empty and no real ones change.
# A window that does not turn up in time is reported and skipped, so the
# script also works while some windows are still missing.
#
# To add a window: open it with `click`/`key`, wait for it with `await`,
# take it with `shot`, and close it again; see the menu steps below.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
game=${QUINTREL:-$root/build/quintrel}
docs=$root/docs

if [ "${1:-}" != "--inside" ]; then
    [ -x "$game" ] || { echo "No game at $game: build it first (make build)." >&2; exit 1; }
    mkdir -p "$docs"
    for scale in ${SCALES:-1 2}; do
        echo "== scale $scale"
        xvfb-run -a -s "-screen 0 $((1024 * scale))x$((800 * scale))x24" "$0" --inside "$scale"
    done
    exit 0
fi

scale=$2
suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
work=$(mktemp -d)
cd "$work"
# The table at its designed size, whatever size the player left it at.
export XDG_CONFIG_HOME=$work/config
QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$game" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; rm -rf "$work"' EXIT

visible() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort || true; }

# await SECONDS: waits until a window turns up that was not visible before
# the last `mark`, and prints its id (nothing when none came in time).
mark() { before=$(visible); }
await() {
    local until=$((SECONDS + $1)) id
    while [ $SECONDS -lt "$until" ]; do
        id=$(comm -13 <(echo "$before") <(visible) | tail -1)
        if [ -n "$id" ]; then sleep 0.7; echo "$id"; return; fi
        sleep 0.2
    done
}

# click WINDOW X Y: a left click at X, Y in the window's own (unscaled) pixels.
click() {
    xdotool mousemove --window "$1" "$(awk "BEGIN{print int($2 * $scale)}")" \
        "$(awk "BEGIN{print int($3 * $scale)}")" click 1
    sleep 0.4
}
# key WINDOW KEY: a key press into the window. Sent as real input, since a
# window that closes on the key press would be gone for the key's release.
key() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key "$2" 2>/dev/null || true
    sleep 0.4
}

shot() {
    if [ -z "$1" ]; then echo "   $2: did not show, skipped"; return; fi
    import -window "$1" "$docs/$2$suffix.png"
    echo "   $2$suffix.png"
}

mark
main=$(await 15)
[ -n "$main" ] || { echo "The game did not start." >&2; exit 1; }
shot "$main" main-idle

# The menu and the windows it opens. Button centres from each window's layout.
mark; click "$main" 48 24; menu=$(await 5); shot "$menu" menu
if [ -n "$menu" ]; then
    mark; click "$menu" 48 32; w=$(await 5); shot "$w" credits
    [ -n "$w" ] && click "$w" 152 240
    mark; click "$menu" 145 32; w=$(await 5); shot "$w" instructions
    [ -n "$w" ] && click "$w" 48 184
    mark; click "$menu" 242 32; w=$(await 5); shot "$w" about
    [ -n "$w" ] && key "$w" Escape
    mark; click "$menu" 145 80; w=$(await 5)
    if [ -n "$w" ]; then
        click "$w" 317 66           # highlight back 3
        shot "$w" chooser
        key "$w" Tab                # the keyboard's focus on the first back,
        key "$w" Right              # then on to the second
        shot "$w" chooser-focus
        key "$w" Escape
    else
        shot "" chooser
    fi
    click "$menu" 242 80            # Close
fi

# A game: dealt, a bonus being counted, game over, the name and the table.
click "$main" 267 312               # Deal
sleep 2.5
shot "$main" main-dealt
key "$main" Up                      # the deck has the focus: up to place 7
shot "$main" main-focus
key "$main" space                   # and select it
shot "$main" main-selected
click "$main" 544 72                # Take Score
sleep 3
shot "$main" main-bonus
sleep 13                            # the counts end; round 2 is dealt
mark
click "$main" 544 72                # Take Score
prompt=$(await 30)                  # the name prompt after GAME OVER
if [ -n "$prompt" ]; then
    mark
    key "$prompt" ctrl+a
    xdotool type "Player"
    key "$prompt" Return
    w=$(await 5); shot "$w" hiscores
    [ -n "$w" ] && click "$w" 144 256   # OK
fi
[ -n "${DEBUG_SHOTS:-}" ] && import -window root "$docs/debug-root$suffix.png"
shot "$main" main-gameover
