#!/usr/bin/env bash
# Runs the screen case of tst_layout on each screen of the matrix: a display
# of that size, with openbox framing the windows as a desktop would, and the
# game at that scale. Usage: screens.sh path/to/tst_layout
set -uo pipefail
test=$(readlink -f "$1")
screens=("1024x768 2" "1366x768 1.5" "1366x768 2" "1280x800 1.5" "1920x1080 2" "2560x1440 1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Nothing of the player's own configuration is read or written.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

failed=0
for screen in "${screens[@]}"; do
  read -r size factor <<<"$screen"
  xvfb-run -a -s "-screen 0 ${size}x24" bash -c '
    openbox --sm-disable > /dev/null 2>&1 & wm=$!
    # The window manager is up once it names its check window on the root.
    for _ in $(seq 200); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id" && break
      sleep 0.05
    done
    # and has taken over the display a moment after: a window mapped before
    # that would stay unframed.
    sleep 0.5
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$1" QTWEBENGINE_DISABLE_SANDBOX=1 "$2" everyWindowFitsTheScreen
    rc=$?
    kill "$wm"
    exit "$rc"' run "$factor" "$test" || failed=1
done
exit "$failed"
