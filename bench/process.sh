#!/usr/bin/env bash
# Whole-process figures of the game, under a private X server:
#   start-up: process start to the first title talk's box drawn on screen (median of five
#             runs, ms), seen through X events by bench/support/window_watch.c, which costs
#             the game no CPU while it starts
#   then the share of one core over 20 s while the game waits: the title talk, the open
#   dialog over the animating opening stage, the adviser menu, the name input, the
#   greeting with a puzzle on the board, and the idle board with no talk
#   with LONG=1 also the idle board over ten minutes, timed remarks included
#   and, with the record in the work folder, the farewell and the keep-or-delete question
# Usage: [LONG=1] bench/process.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
game="$PWD/$build/Latica/latica"
[ -x "$game" ] || { echo "no game at $game; build first" >&2; exit 1; }

need=()
command -v xdotool >/dev/null || need+=(xdotool)
command -v Xvfb >/dev/null || need+=(xvfb)
pkg-config --exists xcb xcb-damage || need+=(libxcb-damage0-dev)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get install -y -qq "${need[@]}"
fi

watch="$PWD/$build/bench/window_watch"
source=bench/support/window_watch.c
if [ ! -x "$watch" ] || [ "$source" -nt "$watch" ]; then
  mkdir -p "$(dirname "$watch")"
  cc -O2 -Wall -Wextra -o "$watch" "$source" $(pkg-config --cflags --libs xcb xcb-damage)
fi

# A free display: the server picks its number, so a lock left by an earlier server is
# no obstacle.
numbered=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 3>"$numbered" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
until [ -s "$numbered" ]; do
  kill -0 $xvfb 2>/dev/null || { echo "the X server did not start" >&2; exit 1; }
  sleep 0.05
done
display=:$(head -1 "$numbered")
sleep 1
export DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# The open dialog is the game's second visible window (its title is in Japanese).
dialog_shown() { [ "$(xdotool search --pid "$pid" --onlyvisible --name '.' 2>/dev/null | wc -l)" -ge 2 ]; }

times=()
for run in 1 2 3 4 5; do
  drawn=$(mktemp)
  # The speaking talk box opens at (420, 126); its right part lies beside the stage.
  "$watch" Latica 525 128 60 10 >"$drawn" &
  watcher=$!
  until grep -q ready "$drawn"; do sleep 0.01; done
  start=$(date +%s%N)
  (cd "$(dirname "$game")" && exec "$game") >/dev/null 2>&1 &
  pid=$!
  ( sleep 20; kill $watcher 2>/dev/null ) &
  timer=$!
  wait $watcher || { echo "no title talk drawn after 20 s" >&2; kill $pid; exit 1; }
  kill $timer 2>/dev/null || true
  end=$(tail -1 "$drawn")
  rm -f "$drawn"
  times+=($(( (end - start) / 1000000 )))
  kill $pid; wait $pid 2>/dev/null || true
  sleep 0.5  # the windows of this run are gone
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to the first title talk drawn: runs ${times[*]} ms, median ${sorted[2]} ms"

cpu_share() {  # pid seconds
  local ticks before after
  ticks=$(getconf CLK_TCK)
  before=$(awk '{print $14 + $15}' /proc/$1/stat)
  sleep "$2"
  after=$(awk '{print $14 + $15}' /proc/$1/stat)
  awk -v a="$after" -v b="$before" -v t="$ticks" -v s="$2" 'BEGIN { printf "%.2f", (a - b) / t / s * 100 }'
}

share() {  # label
  echo "$1, over 20 s: $(cpu_share $pid 20) % of one core"
}
# Clicks at a point of the main window's client area.
click_at() {
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
  sleep "${3:-1}"
}
talk_box() { click_at 470 150 "${1:-1.5}"; }   # the speaking talk box
menu_item_1() { click_at 652 154 "${1:-2}"; }  # beside it

# One run through the opening to an idle board, measuring each wait on the way.
sleep 1  # the windows of the last run are gone
# The sample lies in the work folder, so that the end asks whether to keep its record.
sample=$(mktemp -d)/sample.kmi
cp "$(dirname "$game")/サンプル_英単語.kmi" "$sample"
boxed=$(mktemp)
"$watch" Latica 525 128 60 10 >"$boxed" &
watcher=$!
until grep -q ready "$boxed"; do sleep 0.01; done
(cd "$(dirname "$game")" && TEMP=$(dirname "$sample") exec "$game") >/dev/null 2>&1 &
pid=$!
wait $watcher
sleep 2
window=$(xdotool search --pid $pid --onlyvisible --name '^Latica$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
share "the title talk waiting for a click"
until dialog_shown; do
  kill -0 $pid 2>/dev/null || { echo "the game ended before its open dialog showed" >&2; exit 1; }
  talk_box 1
done
sleep 1
share "the open dialog over the animating opening stage"
# xdotool types ASCII reliably: the sample lies at a plain path.
xdotool type --delay 20 "$sample"
xdotool key Return
sleep 3
talk_box; talk_box 3     # the welcome, then the family; the adviser menu waits
share "the adviser menu waiting"
menu_item_1; talk_box 3  # the adviser is chosen; the name is asked
share "the name input waiting"
xdotool type --delay 50 "mina"
xdotool key Return
sleep 2
menu_item_1 6            # the name is kept; the play scene is built
talk_box 6               # the navigator's words; the adviser walks in and greets
share "a puzzle on the board, the greeting waiting for a click"
talk_box 3
share "idle, a puzzle on the board and no talk"
if [ "${LONG:-0}" = 1 ]; then
  ticks=$(getconf CLK_TCK)
  before=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep 600
  after=$(awk '{print $14 + $15}' /proc/$pid/stat)
  alive=$(kill -0 $pid 2>/dev/null && echo "still running" || echo "ended (the adviser gave up)")
  awk -v a="$after" -v b="$before" -v t="$ticks" -v s=600 -v w="$alive" \
    'BEGIN { printf "idle board over ten minutes, remarks included: %.2f %% of one core; the game %s\n", (a - b) / t / s * 100, w }'
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
  exit 0
fi
click_at 692 548 6         # "終 了": the adviser asks
menu_item_1 3              # the player ends the game
talk_box 1.5               # the farewell prints; its timed wait holds the box
echo "the farewell talk waiting, over 4 s: $(cpu_share $pid 4) % of one core"
sleep 14                   # the adviser leaves; the keep-or-delete question waits
share "the keep-or-delete question waiting"
kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
