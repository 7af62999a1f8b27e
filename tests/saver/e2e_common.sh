# Shared by the end-to-end scripts: a scratch folder with its own settings and
# home, the program under test in the background, and how a case fails or ends.
# Needs $case_name and $program set by the sourcing script.
tmp=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "${host_pid:-}" ] && kill "$host_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
export MORVANE3_SETTINGS=$tmp/settings.db
export HOME=$tmp  # one full-screen saver per home: a home of our own

fail() {
  echo "FAIL ($case_name): $*"
  [ -s "$tmp/out" ] && sed 's/^/  program: /' "$tmp/out"
  exit 1
}

running() { kill -0 "$pid" 2>/dev/null; }

# Waits up to $1 seconds for the program to end; its status is in $status.
ended_within() {
  for _ in $(seq $(($1 * 10))); do
    if ! running; then
      wait "$pid"
      status=$?
      pid=""
      return 0
    fi
    sleep 0.1
  done
  return 1
}

expect_clean_end() {
  ended_within 5 || fail "still running after $1"
  [ "$status" -eq 0 ] || fail "ended with status $status after $1"
}

# What a person would see: "id x y w h viewable|unmapped title" (id in decimal,
# position relative to the parent) for window $1.
window_line() {
  xwininfo -id "$1" 2>/dev/null | awk -v id="$(($1))" '
    /^xwininfo: Window id:/ { t = $0; if (!sub(/^[^"]*"/, "", t)) t = ""; sub(/"$/, "", t) }
    /Relative upper-left X:/ { x = $NF }
    /Relative upper-left Y:/ { y = $NF }
    /^ *Width:/ { w = $NF }
    /^ *Height:/ { h = $NF }
    /Map State:/ { s = $NF == "IsViewable" ? "viewable" : "unmapped" }
    END { if (w != "") print id, x, y, w, h, s, t }'
}

# One window_line per child of window $1, or of the root window without it.
children() {
  local id
  for id in $(xwininfo -children ${1:+-id} "${1:--root}" 2>/dev/null | awk '$1 ~ /^0x/ { print $1 }'); do
    window_line "$id"
  done
}

toplevels() { children | grep " viewable "; }

# A plain white window of W x H standing in for XScreenSaver's or the preview's
# host; its id (decimal) in $host. Closing it is the host going away.
host_count=0
open_host() {
  close_host
  host_count=$((host_count + 1))
  xmessage -geometry "$1x$2+0+0" -title "host $host_count" -bg white -fg white " " >/dev/null 2>&1 &
  host_pid=$!
  host=$(xdotool search --sync --onlyvisible --name "^host $host_count\$" | head -1)
}
close_host() {
  [ -n "${host_pid:-}" ] || return 0
  xdotool windowkill "$host" 2>/dev/null
  wait "$host_pid" 2>/dev/null
  host_pid=""
}
