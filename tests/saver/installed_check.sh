#!/usr/bin/env bash
# An installed morvane3 finds its data folder from its own location and plays
# the bundled games.
#   installed_check.sh install BUILD_DIR   installs BUILD_DIR into a temporary prefix first
#   installed_check.sh program PATH        the program already installed at PATH
set -u
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL (installed program): $*"
  [ -s "$tmp/out" ] && sed 's/^/  program: /' "$tmp/out"
  exit 1
}

case ${1:-} in
install)
  cmake --install "$2" --prefix "$tmp/prefix" >/dev/null || fail "cmake --install failed"
  program=$tmp/prefix/bin/morvane3
  data=$tmp/prefix/share/morvane3
  ;;
program)
  program=$2
  data=$(dirname "$(dirname "$(readlink -f "$program")")")/share/morvane3
  ;;
*)
  echo "usage: installed_check.sh install BUILD_DIR | program PATH" >&2
  exit 2
  ;;
esac
[ -f "$data/default.pgn" ] || fail "no $data/default.pgn"

mkdir -p "$tmp/home"
# A missing data folder ends in a message box the exit hook cannot close: the
# timeout turns that into a failure.
HOME=$tmp/home MORVANE3_SETTINGS=$tmp/settings.db MORVANE3_EXIT_AFTER_MS=3000 MORVANE3_REPORT_WINDOWS=1 \
  timeout 30 "$(dirname "$0")/own_display.sh" "-screen 0 1024x768x24" \
  env QT_QPA_PLATFORM=xcb "$program" /S >"$tmp/out" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "ended with status $status"
windows=$(grep '^window: ' "$tmp/out")
[ "$windows" = "window: Morvane 3" ] || fail "showed [$windows], not the Saver alone"
# The loader records the default file it fell back to: the installed one.
grep -aq "$data/default.pgn" "$tmp/settings.db" || fail "the games did not come from $data/default.pgn"
echo "PASS (installed program plays $data/default.pgn)"
