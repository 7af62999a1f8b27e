#!/usr/bin/env bash
# Start-up time of the full-screen saver: from the moment the process is
# started to the first game drawn on the board, on a fresh virtual X screen.
#   bench/saver/startup.sh [BUILD_DIR] [RUNS]      (default build, 10 runs)
set -euo pipefail
build=${1:-build}
runs=${2:-10}
program=$(realpath "$build/bin/morvane3")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

run_once() {
  rm -f "$tmp/settings.db"
  local start out
  start=$(date +%s%3N)
  out=$(MORVANE3_SETTINGS=$tmp/settings.db MORVANE3_REPORT_FIRST_PAINT=1 MORVANE3_EXIT_AFTER_MS=3000 \
        "$program" /S 2>/dev/null | grep '^first game drawn:' || true)
  [ -n "$out" ] || { echo "no first paint reported" >&2; exit 1; }
  echo $(( ${out##*: } - start ))
}

export -f run_once
export program tmp
# One X server for all runs; the first run also pays for a cold settings file.
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
  for i in \$(seq $runs); do run_once; done" | sort -n | awk '
  { v[NR] = $1; sum += $1 }
  END { printf "runs: %d, median: %d ms, min: %d ms, max: %d ms, mean: %.0f ms\n", NR, v[int((NR + 1) / 2)], v[1], v[NR], sum / NR }'
