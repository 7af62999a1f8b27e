#!/usr/bin/env bash
# The replay tool against pgn-extract on one ~100 MB file built from the repository's test
# PGN files, plus the throughput of the default-file scan.
#   bench/replay_vs_pgn_extract.sh [BUILD_DIR]   (default build-notation)
# Needs: a build with tools (morvane3-replay, morvane3-index-bench), pgn-extract,
# /usr/bin/time. The big file goes to /tmp and is never committed.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-notation}"
data="${MORVANE3_TEST_DATA:-tests/data}"
file="${MORVANE3_BENCH_FILE:-/tmp/morvane3-bench.pgn}"
pgn_extract="$(command -v pgn-extract || echo /usr/games/pgn-extract)"

if [ ! -s "$file" ]; then
  : >"$file"
  while [ "$(stat -c %s "$file")" -lt 100000000 ]; do cat "$data"/pgn/*.pgn >>"$file"; done
fi
cat "$file" >/dev/null  # into the page cache
size=$(stat -c %s "$file")
events=$(grep -c '^\[Event ' "$file" || true)
echo "file: $file, $size bytes, $events games"

measure() {  # label, command...: prints user+sys seconds, wall seconds, max RSS (kB)
  local label="$1"
  shift
  local log
  log="$(mktemp)"
  /usr/bin/time -v "$@" >/dev/null 2>"$log" || true
  local user sys wall rss
  user=$(awk -F': ' '/User time/ {print $2}' "$log")
  sys=$(awk -F': ' '/System time/ {print $2}' "$log")
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$log" | awk -F: '{ if (NF == 3) print $1*3600 + $2*60 + $3; else print $1*60 + $2 }')
  rss=$(awk -F': ' '/Maximum resident/ {print $2}' "$log")
  grep -E '^games:' "$log" || true
  echo "$label: cpu $(echo "$user + $sys" | bc) s (user $user, sys $sys), wall $wall s, max RSS $rss kB"
  rm -f "$log"
  eval "${label}_cpu=$(echo "$user + $sys" | bc)"
}

measure replay "$build/bin/morvane3-replay" --bench "$file"
measure pgnextract "$pgn_extract" -s -o /dev/null "$file"

replay_rate=$(echo "scale=0; $events / $replay_cpu" | bc)
extract_rate=$(echo "scale=0; $events / $pgnextract_cpu" | bc)
echo "games/s per CPU second: morvane3-replay $replay_rate, pgn-extract $extract_rate, ratio $(echo "scale=2; $replay_rate / $extract_rate" | bc)"

if [ -x "$build/bin/morvane3-index-bench" ]; then
  MORVANE3_BENCH_FILE="$file" "$build/bin/morvane3-index-bench" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true
fi
