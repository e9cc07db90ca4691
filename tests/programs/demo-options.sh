#!/usr/bin/env bash
# The demo script's command line, read as scripts/demo reads it: --snapshots (or a first argument
# without a dash) names the pictures' folder, --help asks for the use, and every other argument goes
# on to zuno in order, values included.
#   demo-options.sh SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/common.sh"
source "$1/scripts/lib/demo-options.sh"

# expect "ARGS" SNAPSHOTS HELP "ZUNO ARGS": the arguments are split at spaces; zuno's are shown bracketed.
expect() {
  local args=$1 snapshots=$2 help=$3 zuno=$4
  # shellcheck disable=SC2086
  parse_demo_options $args || fail "'$args' was refused: $demo_error"
  local got
  got=$(printf '[%s]' "${demo_zuno_args[@]}")
  [ "$demo_snapshots $demo_help $got" = "$snapshots $help $zuno" ] ||
    fail "'$args' gave $demo_snapshots $demo_help $got, not $snapshots $help $zuno"
}
expect "" build/demo-snapshots 0 "[]"
expect "--scale 1 --verbose" build/demo-snapshots 0 "[--scale][1][--verbose]"
expect "--scale=2 --bundle b" build/demo-snapshots 0 "[--scale=2][--bundle][b]"
expect "--help" build/demo-snapshots 1 "[]"
expect "--scale 2 -h" build/demo-snapshots 1 "[--scale][2]"
expect "--snapshots shots --scale 2" shots 0 "[--scale][2]"
expect "--verbose --snapshots=shots" shots 0 "[--verbose]"
expect "shots" shots 0 "[]"
expect "shots --scale 1" shots 0 "[--scale][1]"
# Only the first argument may be the folder: a later one is zuno's, as the value of --user here.
expect "--user shots" build/demo-snapshots 0 "[--user][shots]"

for bad in "--snapshots" "--snapshots=" "--scale 2 --snapshots"; do
  # shellcheck disable=SC2086
  if parse_demo_options $bad; then fail "'$bad' was taken"; fi
  [ "$demo_error" = "--snapshots needs a folder" ] || fail "'$bad' said: $demo_error"
done
echo "ok"
