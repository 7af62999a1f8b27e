#!/usr/bin/env bash
# The settings dialog on a big file (default 1 GB, built in a temporary folder
# from tests/data/pgn and removed): opening on its PGN Import list, then Apply
# storing every game's position; how long each takes, the event loop's longest
# stall, peak memory, and whether another connection saw Apply's writes early.
#   bench/dialog_bench.sh [BUILD_DIR] [MEGABYTES]
set -euo pipefail
build=$(realpath "${1:-build}")
megabytes=${2:-1000}
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/data"
: >"$tmp/data/default.pgn"
while [ "$(stat -c %s "$tmp/data/default.pgn")" -lt $((megabytes * 1000000)) ]; do
  cat tests/data/pgn/*.pgn >>"$tmp/data/default.pgn"
done
cat "$tmp/data/default.pgn" >/dev/null # into the page cache
echo "file: $(stat -c %s "$tmp/data/default.pgn") bytes, $(grep -c '^\[Event ' "$tmp/data/default.pgn" || true) games"
xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bin/morvane3-dialog-bench" "$tmp/settings.db" "$tmp/data/"
size=$(stat -c %s "$tmp/settings.db")
stored=$(sqlite3 "$tmp/settings.db" "SELECT value FROM settings WHERE key = 'NumOfGames'")
echo "settings file: $size bytes for $stored games ($((size / stored)) bytes a game)"
