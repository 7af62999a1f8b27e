#!/usr/bin/env bash
# The full-screen saver on a 1 GB default file that no settings index yet
# (1920x1080, virtual X server): time to the first game drawn, the answer to a
# key pressed while the file is indexed, peak memory, and the settings file's
# bytes per game once the index is stored.
#   bench/saver/big_file.sh [BUILD_DIR] [MEGABYTES]   (default build, 1000)
# The big file is built in a temporary folder from tests/data/pgn and removed.
set -euo pipefail
build=$(realpath "${1:-build}")
megabytes=${2:-1000}
cd "$(dirname "$0")/../.."

if [ -z "${BIG_INNER:-}" ]; then
  BIG_INNER=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build" "$megabytes"
fi

program="$build/bin/morvane3"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/data"
for f in "$build"/bin/*.wav "$build/bin/pieces"; do ln -s "$f" "$tmp/data/"; done
: >"$tmp/data/default.pgn"
while [ "$(stat -c %s "$tmp/data/default.pgn")" -lt $((megabytes * 1000000)) ]; do
  cat tests/data/pgn/*.pgn >>"$tmp/data/default.pgn"
done
cat "$tmp/data/default.pgn" >/dev/null # into the page cache
games=$(grep -c '^\[Event ' "$tmp/data/default.pgn" || true)
echo "file: $(stat -c %s "$tmp/data/default.pgn") bytes, $games games"

fresh() { # a settings file whose data folder is the big file's
  rm -f "$tmp/settings.db"
  sqlite3 "$tmp/settings.db" "CREATE TABLE settings (app TEXT NOT NULL COLLATE NOCASE, section TEXT NOT NULL COLLATE NOCASE,
    key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY (app, section, key));
    INSERT INTO settings VALUES ('Morvane3', 'Config', 'AppPath', '$tmp/data/')"
}

# 1. First game drawn, then the program runs on until the whole index is stored.
fresh
start=$(date +%s%3N)
MORVANE3_SETTINGS=$tmp/settings.db MORVANE3_REPORT_FIRST_PAINT=1 MORVANE3_EXIT_AFTER_MS=${BIG_RUN_MS:-40000} \
  /usr/bin/time -v "$program" /S >"$tmp/out" 2>"$tmp/time" || true
drawn=$(sed -n 's/^first game drawn: //p' "$tmp/out")
echo "first game drawn after $((drawn - start)) ms"
echo "peak memory: $(awk -F': ' '/Maximum resident/ {print $2}' "$tmp/time") kB"
stored=$(sqlite3 "$tmp/settings.db" "SELECT value FROM settings WHERE key = 'NumOfGames'")
size=$(stat -c %s "$tmp/settings.db")
echo "settings file: $size bytes for ${stored:-no count stored yet} games ($((size / ${stored:-1})) bytes a game)"

# 2. A key pressed while the file is indexed.
fresh
MORVANE3_SETTINGS=$tmp/settings.db "$program" /S >/dev/null 2>&1 &
pid=$!
sleep "${BIG_KEY_AFTER_S:-1}"
pressed=$(date +%s%3N)
xdotool key x
while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
echo "key pressed ${BIG_KEY_AFTER_S:-1} s after start: the saver ended $(($(date +%s%3N) - pressed)) ms later;" \
  "NumOfGames then: $(sqlite3 "$tmp/settings.db" "SELECT value FROM settings WHERE key = 'NumOfGames'" || true)"

# 3. The settings dialog listing the same file (its PGN Import list is filled at opening).
fresh
sqlite3 "$tmp/settings.db" "INSERT INTO settings VALUES ('Morvane3', 'Config', 'PGNFile', '$tmp/data/default.pgn')"
start=$(date +%s%3N)
MORVANE3_SETTINGS=$tmp/settings.db MORVANE3_EXIT_AFTER_MS=${BIG_DIALOG_MS:-15000} \
  /usr/bin/time -v "$program" /C >/dev/null 2>"$tmp/time" || true
echo "settings dialog, open for ${BIG_DIALOG_MS:-15000} ms: peak memory $(awk -F': ' '/Maximum resident/ {print $2}' "$tmp/time") kB"
