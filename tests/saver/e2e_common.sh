# Shared by the end-to-end scripts: a scratch folder with its own settings and
# home, the program under test in the background, and how a case fails or ends.
# Needs $case_name and $program set by the sourcing script.
tmp=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
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
