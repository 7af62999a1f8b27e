#!/usr/bin/env bash
# The PGN Import filter's timing for 100,000 games: builds /tmp/morvane3-filter-bench.pgn
# (never committed) from the test files, then runs morvane3-filter-bench on it.
#   bench/filter_bench.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
big=/tmp/morvane3-filter-bench.pgn
: >"$big"
games=0
while [ "$games" -lt 100000 ]; do
  cat tests/data/pgn/*.pgn >>"$big"
  games=$(grep -c '^\[Event ' "$big")
done
cat "$big" >/dev/null # into the page cache
"$build/bin/morvane3-filter-bench" "$big"
