#!/usr/bin/env bash
# The program as XScreenSaver runs it, on a real (virtual) X server: its
# command lines, the window it is given at any size and scale, the replay
# going on where nobody can answer a message, and the ~/.xscreensaver entry.
#   xscreensaver_end_to_end.sh CASE MORVANE3
set -u
if [ -z "${XSS_E2E_DISPLAY:-}" ]; then
  exec "$(dirname "$0")/own_display.sh" "-screen 0 1024x768x24" \
    env XSS_E2E_DISPLAY=1 QT_QPA_PLATFORM=xcb bash "$0" "$@"
fi
case_name=$1 program=$2
source "$(dirname "$0")/e2e_common.sh"

# Mean brightness (0 black .. 1 white) of window $1, or of its part $2 (WxH+X+Y).
brightness() {
  import -window "$1" "$tmp/shot.png" && convert "$tmp/shot.png" ${2:+-crop "$2"} -format '%[fx:mean]' info:
}
dark() { awk -v m="$1" 'BEGIN { exit !(m < 0.5) }'; }

# Waits up to 3 s for a "Morvane 3" child at (0, 0) of W x H in the host.
child_fills() {
  local children
  for _ in $(seq 30); do
    children=$(children "$host")
    grep -q "^[0-9]* 0 0 $1 $2 viewable Morvane 3$" <<<"$children" && return 0
    sleep 0.1
  done
  echo "$children" >"$tmp/children"
  return 1
}

# Runs the program with the given arguments (environment first, as for env) in
# the background; passes when it fills the host and nothing covers the screen.
draws_in_host() {
  env "$@" >"$tmp/out" 2>&1 &
  pid=$!
  child_fills 640 480 || fail "($*) no 640x480 child in the host: $(cat "$tmp/children")"
  sleep 1
  toplevels | grep -q " 0 0 1024 768 viewable" && fail "($*) a window covers the screen"
  dark "$(brightness "$host")" || fail "($*) the host window is still white"
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=""
}

# The program's report after $1 ms: its windows, mode and game.
report() {
  local after=$1
  shift
  env MORVANE3_EXIT_AFTER_MS="$after" MORVANE3_REPORT_WINDOWS=1 "$@" >"$tmp/out" 2>&1
}

case $case_name in
command_lines)
  open_host 640 480
  id=$(printf '0x%x' "$host")
  draws_in_host XSCREENSAVER_WINDOW="$id" "$program" --root
  draws_in_host XSCREENSAVER_WINDOW="$id" "$program" --root --fps
  draws_in_host XSCREENSAVER_WINDOW="$id" "$program" -root -delay 20000
  draws_in_host "$program" --root --window-id "$id"
  draws_in_host XSCREENSAVER_WINDOW=0x1 "$program" --root --window-id "$id"
  draws_in_host XSCREENSAVER_WINDOW="$id" "$program" --root --move-delay 0.5 --style alpha --hide-move-list
  ;;
help_and_version)
  env -u DISPLAY "$program" --help >"$tmp/out" 2>&1 || fail "--help failed"
  for option in root window-id window pgn move-delay game-pause random in-order rotate no-rotate hide-move-list \
    show-move-list sound mute style first fps delay install visual mono pair display help version \
    add-to-xscreensaver remove-from-xscreensaver; do
    grep -q -- "--$option\b" "$tmp/out" || fail "--help does not name --$option"
  done
  env -u DISPLAY "$program" --version >"$tmp/out" 2>&1 || fail "--version failed"
  grep -q '^Morvane3 [0-9]' "$tmp/out" || fail "--version printed no version"
  ;;
missing_file_plays_bundled_games)
  open_host 640 480
  # A stored file that has gone, with its game list still in the store.
  python3 -c "import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute('CREATE TABLE settings (app TEXT NOT NULL COLLATE NOCASE, section TEXT NOT NULL COLLATE NOCASE, key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY (app, section, key))')
for k, v in [('PGNFile', '/nowhere/gone.pgn'), ('NumOfGames', '1'), ('MatchBegin1', '1'), ('MatchEnd1', '500')]:
    db.execute('INSERT INTO settings VALUES (?, ?, ?, ?)', ('Morvane3', 'Config', k, v))
db.commit()" "$MORVANE3_SETTINGS"
  for pgn in "" /nowhere/asked.pgn; do
    report 2500 "$program" --window-id "$host" ${pgn:+--pgn "$pgn"}
    grep -q "^window: Morvane3$" "$tmp/out" && fail "($pgn) a message box opened"
    grep -q "^morvane3: .*\(not found\|no games\)" "$tmp/out" || fail "($pgn) no line on standard error"
    grep -q "^game: [1-9]" "$tmp/out" || fail "($pgn) no game on the board"
  done
  ;;
unplayable_game_is_skipped)
  open_host 640 480
  # Game 1 ends the full-screen saver at its first move; game 2 lasts long enough
  # to be on the board when the report comes.
  printf '[Event "Broken"]\n[White "A"]\n[Black "B"]\n\n1. Zz9 e5 1-0\n\n[Event "Fine"]\n[White "C"]\n[Black "D"]\n\n%s 1-0\n' \
    "1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 5. O-O Be7 6. Re1 b5 7. Bb3 d6 8. c3 O-O" >"$tmp/games.pgn"
  report 2500 "$program" --window-id "$host" --pgn "$tmp/games.pgn" --first 1 --move-delay 0.2 --game-pause 1
  grep -q "^window: Morvane3$" "$tmp/out" && fail "a message box opened"
  grep -q "^morvane3: Invalid Move$" "$tmp/out" || fail "the bad move is not on standard error"
  grep -q "^game: 2$" "$tmp/out" || fail "the next game did not follow"
  ;;
random_first_game)
  open_host 640 480
  games=""
  for _ in 1 2 3 4; do
    report 1200 "$program" --window-id "$host" --mute
    games+="$(grep '^game:' "$tmp/out")"$'\n'
  done
  [ "$(sort -u <<<"$games" | grep -c game)" -gt 1 ] || fail "four starts showed the same game: $games"
  report 1200 "$program" --window-id "$host" --first 5
  grep -q "^game: 5$" "$tmp/out" || fail "--first 5 did not start at game 5"
  ;;
whole_window_at_scale_2)
  open_host 800 600
  env QT_SCALE_FACTOR=2 "$program" --window-id "$host" >"$tmp/out" 2>&1 &
  pid=$!
  child_fills 800 600 || fail "no 800x600 child at scale 2: $(cat "$tmp/children")"
  sleep 1.5
  dark "$(brightness "$host" 400x300+400+300)" || fail "the bottom-right quarter is not drawn"
  ;;
follows_resize)
  open_host 640 480
  "$program" --window-id "$host" >"$tmp/out" 2>&1 &
  pid=$!
  child_fills 640 480 || fail "no 640x480 child"
  xdotool windowsize "$host" 400 300
  child_fills 400 300 || fail "the Saver did not follow the window to 400x300"
  xdotool windowsize "$host" 900 700
  child_fills 900 700 || fail "the Saver did not follow the window to 900x700"
  sleep 0.5
  dark "$(brightness "$host" 450x350+450+350)" || fail "the grown window is not drawn"
  ;;
own_window)
  "$program" --window --mute >"$tmp/out" 2>&1 &
  pid=$!
  line=""
  for _ in $(seq 50); do
    line=$(toplevels | grep " viewable Morvane 3$") && break
    sleep 0.1
  done
  [ -n "$line" ] || fail "no window titled \"Morvane 3\""
  read -r wid _ _ w h _ <<<"$line"
  [ "$w x $h" != "1024 x 768" ] || fail "the window covers the screen"
  xdotool mousemove 100 100 sleep 0.3 mousemove 200 200 click 1 key x key r
  sleep 0.7
  running || fail "input ended it"
  ;;
add_and_remove)
  list=$'programs:\t\t\t\t\t\t\t      \\\n\t\t\t\tmaze --root\t\t\t\t    \\n\\\n  - GL:\t\t\t\tsuperquadrics --root\t\t\t    \\n\n\npointerHysteresis: 10\n'
  "$program" --add-to-xscreensaver >"$tmp/out" 2>&1 && fail "succeeded without ~/.xscreensaver"
  grep -q "xscreensaver-settings" "$tmp/out" || fail "does not say how to create the file"
  [ -e "$HOME/.xscreensaver" ] && fail "created ~/.xscreensaver"
  printf '%s' "$list" >"$HOME/.xscreensaver"
  "$program" --add-to-xscreensaver >"$tmp/out" 2>&1 || fail "--add-to-xscreensaver failed"
  "$program" --add-to-xscreensaver >"$tmp/out" 2>&1 || fail "a second --add-to-xscreensaver failed"
  [ "$(grep -c 'morvane3 --root' "$HOME/.xscreensaver")" = 1 ] || fail "not exactly one Morvane3 line"
  cmp -s "$HOME/.xscreensaver.bak" <(printf '%s' "$list") || fail "the old file is not kept beside it"
  grep -q '^pointerHysteresis: 10$' "$HOME/.xscreensaver" || fail "the rest of the file changed"
  "$program" --remove-from-xscreensaver >"$tmp/out" 2>&1 || fail "--remove-from-xscreensaver failed"
  cmp -s "$HOME/.xscreensaver" <(printf '%s' "$list") || fail "removing did not restore the file"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
