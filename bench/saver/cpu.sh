#!/usr/bin/env bash
# CPU used by the full-screen saver while it replays the bundled games at the
# default pace (a move every 2 seconds, 10 seconds between games), measured over
# 60 seconds after a 5-second settling time; the X server's share is shown too.
# Further arguments go to the program (e.g. --highlight-move --animate-moves).
#   bench/saver/cpu.sh [BUILD_DIR] [SECONDS] [OPTION...]
set -euo pipefail
build=${1:-build}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
options="$*"
program=$(realpath "$build/bin/morvane3")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  ticks() { awk "{ print \$14 + \$15 }" /proc/$1/stat; }
  MORVANE3_SETTINGS='"$tmp"'/settings.db "'"$program"'" '"$options"' /S >/dev/null 2>&1 &
  pid=$!
  server=$(pgrep -n Xvfb)
  sleep 5
  p0=$(ticks $pid); x0=$(ticks $server); t0=$(date +%s%N)
  sleep '"$seconds"'
  p1=$(ticks $pid); x1=$(ticks $server); t1=$(date +%s%N)
  kill $pid
  hz=$(getconf CLK_TCK)
  awk -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v ns=$((t1 - t0)) -v hz=$hz "BEGIN {
    s = ns / 1e9
    printf \"over %.1f s: saver %.2f %% of one core (%d ticks), X server %.2f %%\\n\", s, 100 * p / hz / s, p, 100 * x / hz / s
  }"'
