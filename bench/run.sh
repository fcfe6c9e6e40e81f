#!/usr/bin/env bash
# Measures the game beside a bare Qt Widgets window of the same size, under Xvfb:
# start-up time to the window on screen, memory at rest, CPU while a round is
# played and while the time bonus is counted, whether the web engine is loaded,
# and the drift of a 91-tick round; then how long the table takes to follow
# its window as it is resized. Run it as `make bench`.
set -euo pipefail

script=$(readlink -f "$0")
build=${BUILD_DIR:-$(dirname "$script")/../build}
build=$(readlink -f "$build")
runs=${RUNS:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_RUNTIME_DIR="$work/run"
# The table at its designed size, whatever size the player left it at.
export XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$script" "$@"
fi

# The display may take a moment to accept clients after xvfb-run starts it.
for _ in $(seq 100); do xdotool getdisplaygeometry > /dev/null 2>&1 && break; sleep 0.1; done

echo "Quintrel benchmark ($(date -u +%F), $(nproc) cores, $runs starts each)"
echo "Drift: a whole round on the real clock, in the background (about 95 s) ..."
QT_QPA_PLATFORM=offscreen "$build/round_drift" > drift.txt 2>/dev/null &
drift_pid=$!

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

# One start of `program` (window TITLE): prints the ms to its window on screen
# and its RSS in kB after 3 s at rest.
start_once() {
  local title=$1 pid ms rss
  shift
  rm -f ./*.dat
  read -r pid ms < <("$build/launch_probe" "$title" "$@")
  sleep 3
  rss=$(rss_kb "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$ms $rss"
}

# The two programs start in turn, after one start each to warm the caches, so
# that whatever else the machine does weighs on both alike.
start_once Bare "$build/bare_window" > /dev/null
start_once Quintrel "$build/quintrel" > /dev/null
# The game in German too, from a German desktop: its words and Qt's loaded.
german=(env LANGUAGE=de LANG=de_DE.UTF-8 "$build/quintrel")
start_once Quintrel "${german[@]}" > /dev/null
: > bare.txt; : > text.txt; : > game.txt; : > german.txt
for _ in $(seq "$runs"); do
  start_once Bare "$build/bare_window" >> bare.txt
  start_once "Bare text" "$build/bare_window" --text >> text.txt
  start_once Quintrel "$build/quintrel" >> game.txt
  start_once Quintrel "${german[@]}" >> german.txt
done
bare_ms=$(awk '{print $1}' bare.txt | median); bare_rss=$(awk '{print $2}' bare.txt | median)
text_ms=$(awk '{print $1}' text.txt | median); text_rss=$(awk '{print $2}' text.txt | median)
game_ms=$(awk '{print $1}' game.txt | median); game_rss=$(awk '{print $2}' game.txt | median)
german_ms=$(awk '{print $1}' german.txt | median); german_rss=$(awk '{print $2}' german.txt | median)

# CPU of a real game: the window stands at 105, 67 on a display without a
# window manager. Deal, then 10 s of round (banner and play).
rm -f ./*.dat
read -r pid _ < <("$build/launch_probe" Quintrel "$build/quintrel")
sleep 2
engine_at_start=$(grep -c WebEngine "/proc/$pid/maps" || true)
gl_at_start=$(grep -c -E 'libGLX_mesa|_dri\.so|libLLVM' "/proc/$pid/maps" || true)
xdotool mousemove $((105 + 234 + 30)) $((67 + 296 + 16)) click 1
t0=$(cpu_ticks "$pid"); sleep 10; t1=$(cpu_ticks "$pid")
play_cpu=$(awk -v a="$t0" -v b="$t1" -v hz="$hz" 'BEGIN {printf "%.2f", 100 * (b - a) / hz / 10}')
# Take Score with about 80 s left: the time bonus counts for about 12 s.
xdotool mousemove $((105 + 504 + 40)) $((67 + 56 + 16)) click 1
sleep 0.5
t0=$(cpu_ticks "$pid"); sleep 10; t1=$(cpu_ticks "$pid")
count_cpu=$(awk -v a="$t0" -v b="$t1" -v hz="$hz" 'BEGIN {printf "%.2f", 100 * (b - a) / hz / 10}')
engine_in_play=$(grep -c WebEngine "/proc/$pid/maps" || true)
kill "$pid"; wait "$pid" 2>/dev/null || true

wait "$drift_pid" || true
drift=$(awk '/^drift_seconds/ {print $2}' drift.txt)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo
printf '%-38s %12s %12s %8s  %s\n' "" "bare window" "Quintrel" "ratio" "target"
printf '%-38s %12s %12s %8s  %s\n' "start to window on screen (ms)" "$bare_ms" "$game_ms" "$(ratio "$game_ms" "$bare_ms")" "<= 1.25"
printf '%-38s %12s %12s %8s  %s\n' "memory at rest, RSS (kB)" "$bare_rss" "$game_rss" "$(ratio "$game_rss" "$bare_rss")" "<= 1.5"
printf '%-38s %12s %12s %8s\n' "  beside a bare window with text (ms)" "$text_ms" "$game_ms" "$(ratio "$game_ms" "$text_ms")"
printf '%-38s %12s %12s %8s\n' "  beside a bare window with text (kB)" "$text_rss" "$game_rss" "$(ratio "$game_rss" "$text_rss")"
printf '%-38s %12s %12s %8s  %s\n' "German start beside English (ms)" "$game_ms" "$german_ms" "$(ratio "$german_ms" "$game_ms")" "<= 1.05"
printf '%-38s %12s %12s %8s  %s\n' "German RSS beside English (kB)" "$game_rss" "$german_rss" "+$((german_rss - game_rss))" "<= +2048"
printf '%-38s %12s %12s %8s  %s\n' "CPU, 10 s of a round (% of a core)" "" "$play_cpu" "" "< 1"
printf '%-38s %12s %12s %8s  %s\n' "CPU, 10 s of the time bonus (%)" "" "$count_cpu" "" "< 3"
printf '%-38s %12s %12s %8s  %s\n' "drift of a 91-tick round (s)" "" "$drift" "" "< 0.2"
printf '%-38s %12s %12s %8s  %s\n' "web engine mapped: at start, in play" "" "$engine_at_start, $engine_in_play" "" "0, 0"
printf '%-38s %12s %12s %8s  %s\n' "OpenGL driver mappings at start" "" "$gl_at_start" "" "0"

# After the rest, so that it does not weigh on the starts: the table resized
# step by step on the display, as a drag of its corner does it.
echo
echo "Resizing the table from its designed size to twice that and back (one frame at 60 Hz: 16.7 ms):"
rm -f ./*.dat
"$build/resize_table" 2> /dev/null
# At 200 % (twice the pixels to paint) on a display large enough for it.
echo
xvfb-run -a -s "-screen 0 2560x2048x24" env QT_SCALE_FACTOR=2 "$build/resize_table" 2> /dev/null
