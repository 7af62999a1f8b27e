#!/usr/bin/env bash
# The real program at several screen sizes, fonts and orientations, through its
# layout report: no text on the board or on another text, nothing off the
# screen, and on wide screens a board of at least 70 % of the height.
#   layout_report_check.sh MORVANE3
set -euo pipefail
program=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp

check() { # SIZE FONTSIZE ROTATE [MODE]
  rm -f "$tmp/settings.db"
  python3 - "$tmp/settings.db" "$2" "$3" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("CREATE TABLE settings (app TEXT NOT NULL COLLATE NOCASE, section TEXT NOT NULL COLLATE NOCASE,"
           " key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY (app, section, key))")
for key, value in [("Timer", "0.05"), ("FontSize", sys.argv[2]), ("rotate", sys.argv[3])]:
    db.execute("INSERT INTO settings VALUES ('Morvane3', 'Config', ?, ?)", (key, value))
db.commit()
PY
  MORVANE3_SETTINGS=$tmp/settings.db MORVANE3_REPORT_LAYOUT=1 MORVANE3_EXIT_AFTER_MS=3000 QT_QPA_PLATFORM=xcb \
    timeout 60 "$(dirname "$0")/own_display.sh" "-screen 0 ${1}x24" "$program" "${4:-/S}" >"$tmp/out" 2>/dev/null
  python3 - "$tmp/out" "$1 font $2 rotate $3" <<'PY'
import sys
blocks, errors = [], []
for line in open(sys.argv[1]):
    f = line.split()
    if f[:2] == ["layout", "screen"]:
        blocks.append(((int(f[2]), int(f[3])), []))
    elif f[:1] == ["layout"] and blocks:
        blocks[-1][1].append((f[1], *map(int, f[2:6])))
if not blocks:
    errors.append("no move reported")
elif blocks[0][0] != tuple(map(int, sys.argv[2].split()[0].split("x"))):
    errors.append(f"drawn on a screen of {blocks[0][0]}")
for (w, h), rects in blocks:
    for i, (name, x, y, rw, rh) in enumerate(rects):
        if x < 0 or y < 0 or x + rw > w or y + rh > h:
            errors.append(f"{name} leaves the screen")
        for other, ox, oy, ow, oh in rects[i + 1:]:
            if x < ox + ow and ox < x + rw and y < oy + oh and oy < y + rh:
                errors.append(f"{name} overlaps {other}")
    board = [r for r in rects if r[0] == "Board"]
    if not board or (w >= 1280 and board[0][4] < 0.7 * h):
        errors.append("board missing or smaller than 70 % of the height")
for e in sorted(set(errors)):
    print(f"FAIL ({sys.argv[2]}): {e}")
sys.exit(1 if errors else 0)
PY
}

status=0
check 800x480 20 1 || status=1
check 1024x768 12 0 || status=1
check 1366x768 24 0 || status=1
check 1920x1080 12 1 || status=1
check 800x480 12 0 --window || status=1 # an ordinary window no larger than the screen
[ "$status" -eq 0 ] && echo "layout report: every screen clear"
exit "$status"
