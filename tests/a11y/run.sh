#!/usr/bin/env bash
# Runs the game on its own X display, session bus and accessibility bus, and
# reads it as a screen reader would. Usage: run.sh path/to/quintrel
set -euo pipefail
game=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# A missing tool fails the test: tools/install-deps.sh installs them all.
for tool in xvfb-run xauth dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run tools/install-deps.sh" >&2; exit 1; }
done
# Debian's own Python: python3-pyatspi is installed for it, not for another python3 on PATH.
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi: run tools/install-deps.sh" >&2; exit 1; }

# Qt's AT-SPI bridge needs a real platform: offscreen has none.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
XDG_RUNTIME_DIR=$(mktemp -d)
# The table's size is neither read from nor saved to the player's own folder.
XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config
export XDG_RUNTIME_DIR XDG_CONFIG_HOME
# A desktop language the game does not have, and one that is no language at
# all: the game reads as it does in English.
export LANGUAGE='zz_ZZ:../../@!' LANG=tlh_XX.UTF-8
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# A display of its own, searched from a random number: another run of the
# tests may be starting one at the same moment.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24" \
  dbus-run-session -- /usr/bin/python3 "$here/tst_accessibility.py" "$game"
