#!/usr/bin/env bash
# A test run a second time on Wayland, the default session of Debian's GNOME:
# a headless Weston as the compositor, and the game's windows its native
# clients. Usage: wayland.sh path/to/test [arguments]
set -uo pipefail
test=$(readlink -f "$1")
shift
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" HOME="$work"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=quintrel-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=1024 \
  > "$work/weston.log" 2>&1 & weston=$!
trap 'kill "$weston" 2> /dev/null; wait "$weston" 2> /dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "Weston did not start:"; cat "$work/weston.log"; exit 1; }
unset DISPLAY
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QTWEBENGINE_DISABLE_SANDBOX=1 "$test" "$@"
