#!/usr/bin/env bash
# Start-up time of the full-screen saver: from the moment the process is
# started to the first game drawn on the board, on a virtual 1920x1080 screen.
#   bench/saver/startup.sh [BUILD_DIR] [RUNS]      (default build, 10 runs)
set -euo pipefail
build=${1:-build}
runs=${2:-10}

if [ -z "${STARTUP_INNER:-}" ]; then
  # One X server for all runs.
  STARTUP_INNER=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build" "$runs" | sort -n | awk '
    { v[NR] = $1; sum += $1 }
    END { printf "runs: %d, median: %d ms, min: %d ms, max: %d ms, mean: %.0f ms\n",
                 NR, v[int((NR + 1) / 2)], v[1], v[NR], sum / NR }'
  exit
fi

program=$(realpath "$build/bin/morvane3")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for _ in $(seq "$runs"); do
  rm -f "$tmp/settings.db"  # every run starts from no settings and indexes the bundled file
  start=$(date +%s%3N)
  out=$(MORVANE3_SETTINGS=$tmp/settings.db MORVANE3_REPORT_FIRST_PAINT=1 MORVANE3_EXIT_AFTER_MS=2500 \
        "$program" /S 2>/dev/null | grep '^first game drawn:' || true)
  [ -n "$out" ] || { echo "no first paint reported" >&2; exit 1; }
  echo $((${out##*: } - start))
done
