#!/usr/bin/env bash
# `cmake --install` into a temporary prefix, then the installed program: it signs in headless against
# the installed stand-in using the installed bundle, pictures the game list and then the robot's
# invitation, and prints nothing but its result. Given an empty bundle folder, or an installed bundle
# without its interface files, it ends with status 2 and one line naming the folder and --bundle.
#   install.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/common.sh"
build=$1
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# A sanitizer build's leak checker names the suppressions it used; that is no line of the program's.
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0
unset ZUNO_VERBOSE ZUNO_DEBUG_LOG

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.out" || fail "cmake --install: $(cat "$work/install.out")"
for file in bin/zuno bin/zuno-standin-server share/zuno/bundle/Info.plist share/zuno/bundle/ui/LoginView.xml \
    share/zuno/bundle/images/clock@2x.png share/applications/zuno.desktop share/icons/hicolor/128x128/apps/zuno.png; do
  [ -e "$prefix/$file" ] || fail "$file was not installed"
done

start_standin "$prefix/bin/zuno-standin-server" --port 0
sed -e "s/20105/$game_port/" -e "s/20106/$http_port/g" "$prefix/share/zuno/bundle/ZunoOnlineConfig.plist" >"$work/config.plist"

cd "$work"
"$prefix/bin/zuno" --headless --snapshot "$work/shots" --data "$work/data" --config "$work/config.plist" \
  >"$work/run.out" 2>"$work/run.err" || fail "the installed program: $(cat "$work/run.out" "$work/run.err")"
grep -q "reached the game list" "$work/run.out" || fail "no game list: $(cat "$work/run.out")"
[ ! -s "$work/run.err" ] || fail "a plain run printed: $(head -5 "$work/run.err")"
# The game list has a picture of its own, and the robot's invitation that follows it another.
last_two=$(ls "$work/shots" | tail -2 | sed 's/^[0-9]*-//' | tr '\n' ' ')
[ "$last_two" = "GameView.png dialog.png " ] || fail "the last pictures are $(ls "$work/shots" | tr '\n' ' ')"

expect_bundle_error() {
  local folder=$1
  shift
  "$prefix/bin/zuno" --headless --data "$work/data" "$@" >/dev/null 2>"$work/bundle.err"
  local status=$?
  [ "$status" = 2 ] || fail "a bad bundle in $folder ended with status $status: $(head -3 "$work/bundle.err")"
  [ "$(wc -l <"$work/bundle.err")" = 1 ] || fail "more than one line: $(head -3 "$work/bundle.err")"
  grep -q -- "$folder" "$work/bundle.err" && grep -q -- "--bundle" "$work/bundle.err" ||
    fail "the folder or --bundle is not named: $(cat "$work/bundle.err")"
}
mkdir "$work/empty"
expect_bundle_error "$work/empty" --bundle "$work/empty"
rm -r "$prefix/share/zuno/bundle/ui"
expect_bundle_error "$prefix/share/zuno/bundle"
echo "ok"
