#!/usr/bin/env bash
# The program as a desktop screensaver on a real (virtual) X server: inside
# XScreenSaver's window, and full screen on a display of two screens.
#   desktop_end_to_end.sh CASE MORVANE3
set -u
if [ -z "${DESKTOP_E2E_DISPLAY:-}" ]; then
  case $1 in
  every_screen_covered) screens="-screen 0 1024x768x24 -screen 1 800x600x24" ;;
  *) screens="-screen 0 1024x768x24" ;;
  esac
  # Xvfb with two screens may end with a failure status of its own after the
  # test: the test's verdict is its last line.
  "$(dirname "$0")/own_display.sh" "$screens" \
    env DESKTOP_E2E_DISPLAY=1 QT_QPA_PLATFORM=xcb bash "$0" "$@" | tee /dev/stderr | tail -n 1 | grep -q '^PASS'
  exit
fi
case_name=$1 program=$2
source "$(dirname "$0")/e2e_common.sh"

# Mean brightness (0 black .. 1 white) of a window's picture.
brightness() { import -window "$1" "$tmp/shot.png" && convert "$tmp/shot.png" -format '%[fx:mean]' info:; }

# Starts a host window of W x H, then the program with the rest of the
# arguments; passes when the Saver fills the host, ignores moves and keys, and
# ends when the host goes.
in_host_window() {
  local width=$1 height=$2 how=$3
  open_host "$width" "$height"
  case $how in
  variable) XSCREENSAVER_WINDOW=$(printf '0x%x' "$host") "$program" --root >"$tmp/out" 2>&1 & ;;
  argument) "$program" -window-id "$host" >"$tmp/out" 2>&1 & ;;
  esac
  pid=$!
  children=""
  for _ in $(seq 100); do
    children=$(children "$host" | grep "^[0-9]* 0 0 $width $height viewable Morvane 3$") && break
    sleep 0.1
  done
  [ -n "$children" ] || fail "($how) no ${width}x$height child titled \"Morvane 3\" filling the host window"
  sleep 1.5 # the first game is drawn
  # The host is white; the Saver's black background with a board on it is dark.
  local mean
  mean=$(brightness "$host")
  awk -v m="$mean" 'BEGIN { exit !(m < 0.5) }' || fail "($how) the host window is still white (mean $mean)"
  xdotool mousemove 40 40 sleep 0.3 mousemove 200 150 sleep 0.3 key x
  sleep 0.7
  running || fail "($how) a move or a key ended it inside XScreenSaver's window"
  close_host
  expect_clean_end "($how) the host window was destroyed"
}

case $case_name in
xscreensaver_window)
  in_host_window 640 400 variable
  in_host_window 500 300 argument
  ;;
every_screen_covered)
  "$program" /S >"$tmp/out" 2>&1 &
  pid=$!
  second=${DISPLAY%.*}.1
  cover=""
  for _ in $(seq 100); do
    cover=$(DISPLAY=$second toplevels | grep " 0 0 800 600 viewable Morvane 3$") && break
    sleep 0.1
  done
  [ -n "$cover" ] || fail "nothing covers the second screen"
  toplevels | grep -q " 0 0 1024 768 viewable Morvane 3$" || fail "the first screen is not covered"
  sleep 1
  # Xvfb's bare root is a grey weave; the cover is the Saver's black background.
  mean=$(DISPLAY=$second brightness root)
  [ "$mean" = 0 ] || fail "the second screen is not the background colour (mean $mean)"
  xdotool mousemove --screen 1 100 100
  sleep 0.5
  running || fail "the first mouse report on the second screen ended it"
  xdotool mousemove --screen 1 200 150
  expect_clean_end "the mouse moved on the second screen"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
