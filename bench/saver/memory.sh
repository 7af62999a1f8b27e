#!/usr/bin/env bash
# Peak memory of the full-screen saver while it plays a game from a large PGN
# file, next to the same with the small bundled file: the replay must not grow
# with the file. The large file (about 100 MB, built from the repository's test
# games) is made in a temporary folder and removed afterwards.
#   bench/saver/memory.sh [BUILD_DIR] [PGN_FOLDER] [MEGABYTES]
set -euo pipefail
build=${1:-build}
pgns=${2:-tests/data/pgn}
megabytes=${3:-100}
program=$(realpath "$build/bin/morvane3")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A data folder whose default.pgn is the large file: the saver indexes it
# itself, as it does a default file, then plays the chosen game.
mkdir -p "$tmp/big" "$tmp/small"
cp "$build/bin/"*.wav "$tmp/big/"
cp "$build/bin/"*.wav "$tmp/small/"
cp "$build/bin/default.pgn" "$tmp/small/"
while [ "$(stat -c %s "$tmp/big/default.pgn" 2>/dev/null || echo 0)" -lt $((megabytes * 1000000)) ]; do
  cat "$pgns"/*.pgn >>"$tmp/big/default.pgn"
done
games=$(grep -c '^\[Event ' "$tmp/big/default.pgn")

# A settings file that points the saver at a data folder and a first game.
seed() {  # file, data folder, first game
  python3 - "$@" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("CREATE TABLE IF NOT EXISTS settings (app TEXT NOT NULL COLLATE NOCASE, section TEXT NOT NULL COLLATE NOCASE,"
           " key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY (app, section, key))")
for key, value in (("AppPath", sys.argv[2] + "/"), ("FirstGame", sys.argv[3]), ("Timer", "0.2")):
    db.execute("INSERT OR REPLACE INTO settings VALUES ('Morvane3', 'Config', ?, ?)", (key, value))
db.commit()
PY
}

# Peak resident memory (VmHWM) of a saver run for 30 seconds: it indexes the
# data folder's default.pgn, then plays the first game at 5 moves a second.
peak() {  # data folder, first game, settings file
  local db=$3
  seed "$db" "$1" "$2"
  MORVANE3_SETTINGS=$db xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    "'"$program"'" /S >/dev/null 2>&1 &
    pid=$!
    sleep 30
    awk "/VmHWM/ { print \$2 }" /proc/$pid/status
    kill $pid'
}

small_games=$(grep -c '^\[Event ' "$tmp/small/default.pgn")
echo "bundled file: $(stat -c %s "$tmp/small/default.pgn") bytes, $small_games games; last game played:" \
     "peak $(peak "$tmp/small" "$small_games" "$tmp/small.db") kB"
echo "large file:   $(stat -c %s "$tmp/big/default.pgn") bytes, $games games"
echo "  first run, indexing the file, then its last game: peak $(peak "$tmp/big" "$games" "$tmp/big.db") kB"
echo "  second run, index already stored, last game:      peak $(peak "$tmp/big" "$games" "$tmp/big.db") kB"
