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
  echo "== a ${size} screen at ${factor}x"
  # A display of its own, searched from a random number: another run of the
  # tests may be starting one at the same moment.
  xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 ${size}x24" bash -c '
    openbox --sm-disable > /dev/null 2>&1 & wm=$!
    # The window manager frames what is mapped only once it has started
    # fully, and never frames a window mapped before: a probe window is
    # mapped until it comes framed.
    for _ in $(seq 40); do
      xmessage -title quintrel-probe probe > /dev/null 2>&1 & probe=$!
      framed=
      for _ in $(seq 10); do
        sleep 0.05
        xprop -name quintrel-probe _NET_FRAME_EXTENTS 2> /dev/null | grep -q "=" && { framed=1; break; }
      done
      kill "$probe"; wait "$probe" 2> /dev/null
      [ -n "$framed" ] && break
    done
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$1" QTWEBENGINE_DISABLE_SANDBOX=1 "$2" everyWindowFitsTheScreen
    rc=$?
    kill "$wm"
    exit "$rc"' run "$factor" "$test" || failed=1
done
exit "$failed"
