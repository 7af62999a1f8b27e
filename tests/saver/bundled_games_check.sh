#!/usr/bin/env bash
# The bundled games: each one replays from the standard start without a single
# message, none needs a set-up position, and the file is plain LF text.
#   bundled_games_check.sh DEFAULT_PGN MORVANE3_REPLAY
set -u
pgn=$1 replay=$2
fail() { echo "FAIL: $*"; exit 1; }
grep -q '^\[FEN ' "$pgn" && fail "a game starts from a set-up position"
grep -q $'\r' "$pgn" && fail "CR in the file"
[ "$(tail -c 1 "$pgn" | od -An -c | tr -d ' ')" = '\n' ] || fail "the file does not end in a line feed"
summary=$("$replay" "$pgn" 2>&1 >/dev/null) || fail "the replay tool failed: $summary"
games=$(grep -c '^\[Event ' "$pgn")
grep -q "games: $games, ok: $games, failed: 0" <<<"$summary" || fail "not every game replays: $summary"
echo "PASS: $summary"
