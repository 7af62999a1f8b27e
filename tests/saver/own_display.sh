#!/usr/bin/env bash
# Runs a command on a virtual X server of its own. The server picks a free
# display number itself (-displayfd): xvfb-run's search for one races when
# several test runs start servers at the same moment, and a loser then runs
# its command against another run's display or none.
#   own_display.sh "XVFB ARGUMENTS" COMMAND...
set -u
server_args=$1
shift
dir=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
mkfifo "$dir/number"
# shellcheck disable=SC2086 # the arguments are words for the server
Xvfb -displayfd 3 -nolisten tcp $server_args 3>"$dir/number" 2>"$dir/log" &
xvfb=$!
if ! read -r number <"$dir/number"; then
  echo "own_display.sh: Xvfb did not start:" >&2
  cat "$dir/log" >&2
  exit 1
fi
DISPLAY=:$number "$@"
status=$?
exit "$status"
