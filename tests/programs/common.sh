# Shared by the program tests: a work folder removed at the end (with the stand-in server started, if
# one was), fail, and starting a stand-in server on free ports.
work=$(mktemp -d)
standin_pid=
cleanup() {
  if [ -n "$standin_pid" ]; then kill "$standin_pid" 2>/dev/null; wait "$standin_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# start_standin PROGRAM [OPTIONS...]: sets game_port and http_port from the line it prints.
start_standin() {
  local program=$1
  shift
  "$program" "$@" >"$work/standin.out" 2>"$work/standin.err" &
  standin_pid=$!
  for _ in $(seq 100); do grep -q listening "$work/standin.out" 2>/dev/null && break; sleep 0.05; done
  game_port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/standin.out")
  http_port=$(sed -n 's/.*HTTP on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/standin.out")
  [ -n "$game_port" ] && [ -n "$http_port" ] || fail "the stand-in did not start: $(cat "$work/standin.err")"
}
