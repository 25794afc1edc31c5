#!/usr/bin/env bash
# CPU time of the program per pointer event in the real window, under Xvfb with openbox:
# a document of 50 plates (written by bench/qt/move_document.cpp), the window maximised on
# a screen of 1784 x 1103 pixels, so that its drawing area is 1600 x 1000 pixels, every plate selected (Edit > Select All), Move, its base point clicked, then
# EVENTS pointer moves between two points 60 and 30 pixels apart, so every move is an
# accepted preview step. For comparison the same moves are made first with no command
# running. The CPU time is the sum over the program's threads (/proc/PID/task/*/schedstat)
# from before the first move to a quiet moment after the last one; "net" takes off what the
# program spends in the same time with nothing happening, measured over 10 s before.
#
#   bash scripts/measure_move.sh [BUILD_DIR] [REPEATS] [EVENTS]     (default build 5 300)
#
# Needs xvfb-run, xdotool and openbox, and the build's quorvane and quorvane_move_document.
# QUORVANE_MEASURE_SHOT=file.png keeps a screenshot of the first run's last preview step.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=$(realpath "${1:-build}")
REPEATS=${2:-5}
EVENTS=${3:-300}

if [ -z "${QUORVANE_MEASURE_INNER:-}" ]; then
  export QUORVANE_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1784x1103x24" bash "$0" "$BUILD" "$REPEATS" "$EVENTS"
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$BUILD/bench/qt/quorvane_move_document" "$WORK/plates.qvn"
openbox >/dev/null 2>&1 &
OPENBOX=$!
sleep 1

cpu_ns() {  # the program's CPU time so far, all threads, nanoseconds
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'
}

# EVENTS moves between (x, y) and (x + 60, y + 30), screen pixels, one every 30 ms.
moves() {
  local x=$1 y=$2 args=() i
  for ((i = 0; i < EVENTS; i++)); do
    if ((i % 2 == 0)); then args+=(mousemove $((x + 60)) $((y + 30))); else args+=(mousemove "$x" "$y"); fi
    args+=(sleep 0.03)
  done
  xdotool "${args[@]}"
}

# The program's CPU time per second while nothing happens (timers, the caret), over 10 s.
idle_rate() {
  local pid=$1 before after t0 t1
  before=$(cpu_ns "$pid") t0=$(date +%s%N)
  sleep 10
  after=$(cpu_ns "$pid") t1=$(date +%s%N)
  awk -v a="$before" -v b="$after" -v s="$t0" -v e="$t1" 'BEGIN { printf "%.6f", (b - a) / (e - s) }'
}

# CPU milliseconds per event of one run of moves: as measured, and less what the same
# time would have cost with nothing happening (rate from idle_rate).
per_event() {
  local pid=$1 x=$2 y=$3 rate=$4 before after t0 t1
  sleep 1
  before=$(cpu_ns "$pid") t0=$(date +%s%N)
  moves "$x" "$y"
  sleep 1
  after=$(cpu_ns "$pid") t1=$(date +%s%N)
  awk -v a="$before" -v b="$after" -v s="$t0" -v e="$t1" -v r="$rate" -v n="$EVENTS" \
    'BEGIN { printf "%.3f (%.3f net)", (b - a) / n / 1e6, (b - a - r * (e - s)) / n / 1e6 }'
}

for ((run = 1; run <= REPEATS; run++)); do
  export HOME="$WORK/home$run" XDG_CONFIG_HOME="$WORK/home$run/.config"
  mkdir -p "$XDG_CONFIG_HOME/Quorvane"
  printf '[Settings]\nSplashRead=0\n' >"$XDG_CONFIG_HOME/Quorvane/Quorvane.conf"
  "$BUILD/quorvane" "$WORK/plates.qvn" >/dev/null 2>&1 &
  APP=$!
  WIN=$(xdotool search --sync --onlyvisible --pid "$APP" --name "^Quorvane" | head -1)
  xdotool windowactivate --sync "$WIN"
  sleep 2
  # Screen places under openbox's title bar: the Move button, and the drawing area's first
  # inner pixel (the menu items' places are where they are clicked).
  MOVE_X=451 MOVE_Y=52
  AX=2 AY=96
  rate=$(idle_rate "$APP")
  idle=$(per_event "$APP" $((AX + 800)) $((AY + 200)) "$rate")
  xdotool mousemove 56 27 click 1  # Edit
  sleep 1
  xdotool mousemove 96 162 click 1  # Select All
  sleep 1
  xdotool mousemove "$MOVE_X" "$MOVE_Y" click 1
  sleep 1
  xdotool mousemove $((AX + 800)) $((AY + 200)) click 1
  moving=$(per_event "$APP" $((AX + 800)) $((AY + 200)) "$rate")
  if [ -n "${QUORVANE_MEASURE_SHOT:-}" ] && [ "$run" = 1 ]; then import -window root "$QUORVANE_MEASURE_SHOT"; fi
  xdotool key Escape
  kill "$APP" 2>/dev/null || true
  wait "$APP" 2>/dev/null || true
  echo "run $run: idle $(awk -v r="$rate" 'BEGIN { printf "%.1f", r * 1000 }') ms/s; no command $idle ms/event; Move of 50 plates $moving ms/event"
done
kill "$OPENBOX" 2>/dev/null || true
