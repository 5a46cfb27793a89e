#!/usr/bin/env bash
# Whole-process figures of the game, under a private X server:
#   start-up: process start to the open dialog drawn on screen (median of five runs, ms),
#             seen through X events by bench/support/window_watch.c, which costs the game
#             no CPU while it starts (polling the window tree took a core from it)
#   opening CPU: share of one core over 20 s while the opening stage animates behind the
#                open dialog
#   click wait CPU: share of one core over 20 s with a puzzle on the board and the
#                   adviser's greeting waiting for a click
#   idle CPU: the same once the greeting is clicked away (the game waits for the player)
# Usage: bench/process.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
game="$PWD/$build/Latica/latica"
[ -x "$game" ] || { echo "no game at $game; build first" >&2; exit 1; }

need=()
command -v xwininfo >/dev/null || need+=(x11-utils)
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

display=:93
Xvfb $display -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

dialog_shown() { local tree; tree=$(xwininfo -root -tree 2>/dev/null || true); [[ $tree == *'"Open": ("latica"'* ]]; }
# Waits for the open dialog of the game started as $1; gives up after 20 s.
await_dialog() {
  local deadline=$((SECONDS + 20))
  until dialog_shown; do
    kill -0 "$1" 2>/dev/null || { echo "the game ended before its open dialog showed" >&2; exit 1; }
    [ $SECONDS -lt $deadline ] || { echo "no open dialog after 20 s" >&2; kill "$1"; exit 1; }
    sleep "$2"
  done
}

times=()
for run in 1 2 3 4 5; do
  drawn=$(mktemp)
  "$watch" Open >"$drawn" &
  watcher=$!
  until grep -q ready "$drawn"; do sleep 0.01; done
  start=$(date +%s%N)
  (cd "$(dirname "$game")" && exec "$game") >/dev/null 2>&1 &
  pid=$!
  ( sleep 20; kill $watcher 2>/dev/null ) &
  timer=$!
  wait $watcher || { echo "no open dialog drawn after 20 s" >&2; kill $pid; exit 1; }
  kill $timer 2>/dev/null || true
  end=$(tail -1 "$drawn")
  rm -f "$drawn"
  times+=($(( (end - start) / 1000000 )))
  kill $pid; wait $pid 2>/dev/null || true
  sleep 0.5  # the windows of this run are gone
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to the open dialog drawn: runs ${times[*]} ms, median ${sorted[2]} ms"

cpu_share() {  # pid seconds
  local ticks before after
  ticks=$(getconf CLK_TCK)
  before=$(awk '{print $14 + $15}' /proc/$1/stat)
  sleep "$2"
  after=$(awk '{print $14 + $15}' /proc/$1/stat)
  awk -v a="$after" -v b="$before" -v t="$ticks" -v s="$2" 'BEGIN { printf "%.2f", (a - b) / t / s * 100 }'
}

# Idle: choose the kana sample and let the game sit with its timers running.
sleep 1  # the windows of the last run are gone
(cd "$(dirname "$game")" && exec "$game") >/dev/null 2>&1 &
pid=$!
await_dialog $pid 0.01
sleep 1
echo "opening stage animating, over 20 s: $(cpu_share $pid 20) % of one core"
# xdotool types ASCII reliably; the sample goes to a plain path first.
sample=$(mktemp -d)/sample.kmi
cp "$(dirname "$game")/サンプル_カナ.kmi" "$sample"
xdotool type --delay 20 "$sample"
xdotool key Return
sleep 6  # the adviser walks in; the greeting waits for a click
echo "a puzzle on the board, the greeting waiting for a click, over 20 s: $(cpu_share $pid 20) % of one core"
# A click in the greeting's box (the speaking slot, 420, 126 in the window) ends its wait.
window=$(xdotool search --pid $pid --onlyvisible --name '^Latica$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 470)) $((Y + 150)) click 1
sleep 3
echo "idle, a puzzle on the board and no talk, over 20 s: $(cpu_share $pid 20) % of one core"
kill $pid; wait $pid 2>/dev/null || true
