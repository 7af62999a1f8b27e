#!/usr/bin/env bash
# The real program on a real (virtual) X server: what covers the screen, what
# ends the screensaver, and the preview inside another program's window.
#   end_to_end.sh CASE MORVANE3 X_HELPER
# Each case gets an X server of its own (1024x768).
set -u
if [ -z "${SAVER_E2E_DISPLAY:-}" ]; then
  exec "$(dirname "$0")/own_display.sh" "-screen 0 1024x768x24" \
    env SAVER_E2E_DISPLAY=1 QT_QPA_PLATFORM=xcb bash "$0" "$@"
fi
case_name=$1 program=$2 xhelper=$3
source "$(dirname "$0")/e2e_common.sh"

start() {
  "$program" "$@" >"$tmp/out" 2>&1 &
  pid=$!
}

# The line of the program's window among the top-level windows, once it is shown.
saver_window() {
  for _ in $(seq 100); do
    line=$(toplevels | grep " viewable Morvane 3$")
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

full_screen() {
  start /S
  saver_window >/dev/null || fail "no window titled \"Morvane 3\""
  sleep 1  # the first game is on the board
}

case $case_name in
covers_screen_and_hides_cursor)
  full_screen
  read -r _ x y w h _ <<<"$(saver_window)"
  [ "$x $y $w $h" = "0 0 1024 768" ] || fail "window at $x,$y size ${w}x$h, not the whole screen"
  [ "$("$xhelper")" = blank ] || fail "the pointer is visible"
  ;;
second_mouse_position_ends)
  full_screen
  xdotool mousemove 300 200
  sleep 0.7
  running || fail "the first mouse report ended it"
  xdotool mousemove 310 205
  expect_clean_end "the mouse moved"
  ;;
click_ends)
  full_screen
  xdotool click 1
  expect_clean_end "a click"
  ;;
key_ends_but_r_turns)
  full_screen
  xdotool key r
  sleep 0.7
  running || fail "\"r\" ended it"
  xdotool key shift
  sleep 0.3
  running || fail "Shift alone ended it"
  xdotool key x
  expect_clean_end "the key x"
  ;;
preview_embeds_and_ends_with_host)
  open_host 320 240
  start "/p $host"
  found=""
  for _ in $(seq 100); do
    kids=$(children "$host")
    if grep -q "^[0-9]* 20 2 320 240 viewable" <<<"$kids"; then found=yes; break; fi
    sleep 0.1
  done
  [ -n "$found" ] || fail "no 320x240 child at (20, 2) in the host window; children: $kids"
  sleep 1
  running || fail "the preview ended by itself"
  close_host
  expect_clean_end "the host window was destroyed"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
