#!/usr/bin/env bash
# The full-screen saver on hostile games at a fast pace for a few seconds, with
# colours that are no colours; a sanitizer build makes any fault it finds fatal.
# Usage: hostile_saver_run.sh PROGRAM PGN
set -euo pipefail
program=$1
pgn=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$pgn" "$tmp/default.pgn"
export MORVANE3_SETTINGS=$tmp/settings.db HOME=$tmp
python3 - "$tmp" <<'PY'
import sqlite3, sys
folder = sys.argv[1]
db = sqlite3.connect(folder + "/settings.db")
db.execute("CREATE TABLE settings (app TEXT NOT NULL COLLATE NOCASE, section TEXT NOT NULL COLLATE NOCASE,"
           " key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY (app, section, key))")
for key, value in [("AppPath", folder + "/"), ("Timer", "0.01"), ("Timer2", "0.01"),
                   ("TextColor", "-1"), ("BackColor", "-1")]:
    db.execute("INSERT INTO settings VALUES ('Morvane3', 'Config', ?, ?)", (key, value))
db.commit()
PY
status=0
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 MORVANE3_EXIT_AFTER_MS=8000 \
  timeout 60 "$(dirname "$0")/own_display.sh" "-screen 0 1280x1024x24" "$program" /S >"$tmp/out" 2>&1 || status=$?
if [ "$status" -ne 0 ] || grep -q "Sanitizer\|runtime error" "$tmp/out"; then
  cat "$tmp/out"
  echo "FAIL: the full-screen saver on hostile games (status $status)"
  exit 1
fi
echo "hostile games: the full-screen saver ran clean"
