#!/usr/bin/env bash
# The game itself on a virtual display: the table's size kept from one start
# to the next in the player's settings, a start that nothing standing under
# the settings file's name can hold up or break, and the window's X11 class
# the one its desktop entry names.
# Usage: settings.sh path/to/quintrel
set -uo pipefail
game=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# On the display, whatever platform the rest of the tests run on.
entry=$(readlink -f "$(dirname "$0")/../../assets/desktop/org.example.quintrel.desktop.in")
export ENTRY_CLASS=$(sed -n "s/^StartupWMClass=//p" "$entry")
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" GAME="$game" FOLDER="$work/folder"
mkdir -p "$XDG_CONFIG_HOME/quintrel" "$FOLDER" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# A display of its own, searched from a random number: another run of the
# tests may be starting one at the same moment.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24" bash -c '
  conf=$XDG_CONFIG_HOME/quintrel/quintrel.conf
  failed=0
  # Starts the game, presses the keys given and then Alt+E on its table;
  # says the size the table opened at and how the game ended.
  play() {
    (cd "$FOLDER" && exec "$GAME" 2> /dev/null) & pid=$!
    win=$(timeout 20 xdotool search --sync --name "^Quintrel$" | head -1)
    size=$(xdotool getwindowgeometry "$win" 2> /dev/null | sed -n "s/ *Geometry: //p")
    xprop -id "$win" WM_CLASS > "$FOLDER/../class" 2>&1
    xdotool windowfocus --sync "$win" sleep 0.3 key --delay 150 "$@" alt+e 2> /dev/null
    for _ in $(seq 100); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2> /dev/null
    wait "$pid"
    echo "${size:-no table} $?"
  }
  expect() {
    if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: \"$2\", not \"$3\""; failed=1; fi
  }

  expect "a first start, made smaller" "$(play ctrl+minus)" "592x453 0"
  # The class, the second of the two names, is what a dock matches.
  expect "the X11 class is the entry'"'"'s StartupWMClass" "$(cat "$FOLDER/../class")" \
    "WM_CLASS(STRING) = \"quintrel\", \"${ENTRY_CLASS:-none in the entry}\""
  expect "the smaller size saved" "$(grep -c "^scale=0.75$" "$conf")" 1
  expect "the next start at that size" "$(play)" "444x340 0"

  # What else may stand under the name: a start at the designed size,
  # and the thing left as it was.
  rm -f "$conf" && mkfifo "$conf"
  expect "a pipe" "$(play) $(stat -c %F "$conf")" "592x453 0 fifo"
  rm -f "$conf" && ln -s /dev/zero "$conf"
  expect "a link to a device" "$(play) $(readlink "$conf")" "592x453 0 /dev/zero"
  rm -f "$conf" && mkdir "$conf"
  expect "a folder" "$(play) $(stat -c %F "$conf")" "592x453 0 directory"
  rmdir "$conf"

  # Links and second names are never written through: the file behind them
  # keeps its bytes, a dangling link makes no file, and the table opens at
  # its designed size.
  other=$FOLDER/../other.conf
  printf "[table]\nscale=0.75\n" > "$other"
  ln -s "$other" "$conf"
  expect "a link to a file" "$(play ctrl+minus) $(md5sum < "$other") $(readlink "$conf")" \
    "592x453 0 $(printf "[table]\nscale=0.75\n" | md5sum) $other"
  rm -f "$conf" && ln -s "$other-none" "$conf"
  expect "a dangling link" "$(play ctrl+minus) $(ls "$other-none" 2>&1 | grep -c "No such")" "592x453 0 1"
  rm -f "$conf" && ln "$other" "$conf"
  expect "a second name" "$(play ctrl+minus) $(md5sum < "$other") $(stat -c %h "$conf")" \
    "592x453 0 $(printf "[table]\nscale=0.75\n" | md5sum) 2"
  # A size that is not a number is the designed one, and is kept anew.
  for scale in abc "" nan inf; do
    rm -f "$conf" && printf "[table]\nscale=%s\n" "$scale" > "$conf"
    expect "a scale of \"$scale\"" "$(play ctrl+minus) $(grep -c "^scale=0.75$" "$conf")" "592x453 0 1"
  done
  # A huge file is not read: the start takes no longer than a plain one.
  rm -f "$conf" && printf "[table]\nscale=1\n" > "$conf"
  plain=$(date +%s%N); play > /dev/null; plain=$(( $(date +%s%N) - plain ))
  truncate -s 1G "$conf"
  huge=$(date +%s%N); result=$(play); huge=$(( $(date +%s%N) - huge ))
  expect "a 1 GB file" "$result $(stat -c %s "$conf") $(( huge < plain + 1500000000 ))" "592x453 0 1073741824 1"
  exit "$failed"'
