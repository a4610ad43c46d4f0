#!/usr/bin/env bash
# The command line: --help and --version answer without any display, no
# display is one line and status 1, an unknown option and a second file
# are usage errors, and a picture file given at start (a relative name
# from the folder the player is in) is the chosen picture, as if picked
# with 画像選択 (a file that cannot be used is test_unusable_picture.sh's).
source "$(dirname "$0")/lib.sh"

# Runs the program with no display of any kind (or with DISPLAY naming
# $NO_SUCH_DISPLAY); its output goes to $WORK/out and $WORK/err, and its
# status is printed.
run_headless() {
  local rc=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR ${NO_SUCH_DISPLAY:+DISPLAY=$NO_SUCH_DISPLAY} \
    "$PERNOKA" "$@" >"$WORK/out" 2>"$WORK/err" || rc=$?
  echo "$rc"
}

version=$(sed -n 's/^project(pernoka VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$version" ] || fail "no project version in CMakeLists.txt"

for option in --version -v; do
  [ "$(run_headless "$option")" = 0 ] || fail "$option: status $(run_headless "$option"): $(cat "$WORK/err")"
  [ "$(cat "$WORK/out")" = "pernoka $version" ] || fail "$option printed \"$(cat "$WORK/out")\""
  [ ! -s "$WORK/err" ] || fail "$option wrote to stderr: $(cat "$WORK/err")"
done
note "--version: pernoka $version"

[ "$(run_headless --help)" = 0 ] || fail "--help: status $(run_headless --help): $(cat "$WORK/err")"
head -n 1 "$WORK/out" | grep -qx 'Usage: pernoka \[options\] \[FILE\]' || fail "--help printed: $(head -n 3 "$WORK/out")"
for part in --help --version FILE; do grep -q -- "$part" "$WORK/out" || fail "--help does not mention $part"; done
[ ! -s "$WORK/err" ] || fail "--help wrote to stderr: $(cat "$WORK/err")"
note "--help: usage on stdout"

rc=$(run_headless --frobnicate)
[ "$rc" = 2 ] || fail "an unknown option ended with status $rc"
[ "$(wc -l <"$WORK/err")" = 1 ] || fail "the unknown option took more than one line: $(cat "$WORK/err")"
grep -q frobnicate "$WORK/err" && grep -q -- "--help" "$WORK/err" || fail "the message was: $(cat "$WORK/err")"
[ ! -s "$WORK/out" ] || fail "an unknown option printed on stdout"
note "unknown option: $(cat "$WORK/err")"

rc=$(run_headless one.jpg two.jpg)
[ "$rc" = 2 ] || fail "two files ended with status $rc"
[ "$(wc -l <"$WORK/err")" = 1 ] || fail "two files: $(cat "$WORK/err")"
note "two files: $(cat "$WORK/err")"

# No display at all, or one that does not answer: one line and status 1.
for display in "" ":1999"; do
  rc=$(NO_SUCH_DISPLAY=$display run_headless)
  [ "$rc" = 1 ] || fail "no display (DISPLAY=$display) ended with status $rc: $(cat "$WORK/err")"
  [ "$(wc -l <"$WORK/err")" = 1 ] && grep -q "display" "$WORK/err" || fail "no display: $(cat "$WORK/err")"
  note "DISPLAY=$display: $(cat "$WORK/err")"
done

mkdir -p "$WORK/pictures"
picture="$WORK/pictures/夏 の 写真.bmp"
convert -size 300x200 gradient:orange-purple "BMP3:$picture"

start_x

# A picture named at start: ３分割 lays out the board without any picture command.
start_app "$picture"
win=$(wait_window "$TITLE")
pick_menu "$win" 開始 ３分割
wait_for "no tiles on the board" board_out "$win"
no_other_window "$win" || fail "the start asked for a picture"
slide_by_key "$win"
note "started with a picture file: a game at once"
kill_app

# A relative name means the folder the player started in, even where the
# program's own folder holds a file of that name.
mkdir -p "$WORK/photos/旅"
convert -size 300x300 xc:'#C81E1E' "$WORK/photos/nemaki.jpg"
convert -size 300x300 xc:'#1E64C8' "$WORK/photos/旅/photo.jpeg"
for relative in nemaki.jpg:'#C81E1E' 旅/photo.jpeg:'#1E64C8'; do
  cd "$WORK/photos"
  start_app "${relative%%:*}"
  cd - >/dev/null
  win=$(wait_window "$TITLE")
  pick_menu "$win" 開始 ３分割
  wait_for "${relative%%:*}: no tiles on the board" board_out "$win"
  no_other_window "$win" || fail "${relative%%:*}: the start asked for a picture"
  wait_for "${relative%%:*}: the board does not show the player's picture" board_mostly "$win" "${relative#*:}" 0.8
  note "relative ${relative%%:*}: the player's picture"
  kill_app
done
echo "1 passed, 0 failed"
