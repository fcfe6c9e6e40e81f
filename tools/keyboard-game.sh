#!/usr/bin/env bash
# Plays a whole game of the built game with the keyboard alone under Xvfb,
# reading the table the way a screen reader does: deal, elevens, turns, Take
# Score, the name, the high score table, the menu and the card back chooser.
#   tools/keyboard-game.sh [path/to/quintrel]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR=$(mktemp -d)
exec xvfb-run -a -s "-screen 0 1024x800x24" dbus-run-session -- \
    /usr/bin/python3 "$root/tools/keyboard_game.py" "${1:-$root/build/quintrel}"
