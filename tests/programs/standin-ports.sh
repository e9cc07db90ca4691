#!/usr/bin/env bash
# The stand-in server on ports: "--port 0" alone takes free ports for both sides, and a port already
# taken is named in one line and ends the program with status 1.
#   standin-ports.sh STANDIN_PROGRAM
set -uo pipefail
source "$(dirname "$0")/common.sh"
standin=$1

start_standin "$standin" --port 0
[ "$http_port" != 20106 ] || fail "--port 0 alone kept the default HTTP port"

"$standin" --port 0 --http-port "$http_port" >"$work/second.out" 2>"$work/second.err"
status=$?
[ "$status" = 1 ] || fail "a taken HTTP port ended with status $status"
grep -q "HTTP port $http_port" "$work/second.err" || fail "the taken port is not named: $(cat "$work/second.err")"
echo "ok"
