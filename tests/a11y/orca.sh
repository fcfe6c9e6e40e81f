#!/usr/bin/env bash
# Plays a short game by keys with the Orca screen reader listening, on its own
# X display (with a window manager, as a player has), session bus and
# accessibility bus, and checks what Orca says.
# Orca needs no sound card: what it says is taken from its debug log.
# Usage: orca.sh path/to/quintrel [speech-log]; exits 77 (skipped) without Orca.
set -euo pipefail
game=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
command -v orca >/dev/null || { echo "orca is not installed: skipped"; exit 77; }
for tool in xvfb-run xdotool openbox dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run tools/install-deps.sh" >&2; exit 1; }
done
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
# Orca keeps its settings under the home folder: a fresh one each run.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# A display of its own, searched from a random number: another run of the
# tests may be starting one at the same moment.
timeout -k 10 600 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24" \
  dbus-run-session -- sh -c 'openbox --sm-disable & exec /usr/bin/python3 "$@"' sh \
  "$here/orca_game.py" "$game" "${2:-$scratch/speech.log}"
