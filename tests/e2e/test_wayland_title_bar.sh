#!/usr/bin/env bash
# Under weston, the boxes of the title bar Qt draws itself: the maximise box
# has the compositor maximise the main window, which takes the size it is
# given instead of being disconnected for keeping its own; the same box
# restores it to its own size; the game plays on, and the close box ends the
# program with status 0. On the way, the board a game's moves drew bit by
# bit is compared with the board drawn whole at the maximise: a tile moved
# by copying stale pixels would show there.
# Weston runs on its X11 back-end inside Xvfb, so that xdotool can click.
source "$(dirname "$0")/lib.sh"

start_x
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A plain background and no panel: the window is what is not the background.
printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff204060\npanel-position=none\nlocking=false\n' >"$WORK/weston.ini"
OUTPUT_W=800
OUTPUT_H=600
# The software renderer: --use-pixman until weston 11, then --renderer.
renderer=--use-pixman
weston --help 2>&1 | grep -q -- --renderer= && renderer=--renderer=pixman
weston --config="$WORK/weston.ini" --backend=x11-backend.so "$renderer" --width=$OUTPUT_W --height=$OUTPUT_H \
  --socket=wayland-pernoka >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
trap 'kill "$WESTON_PID" 2>/dev/null || true; cleanup' EXIT
wait_for "weston did not start: $(tail -3 "$WORK/weston.log" 2>/dev/null)" test -S "$XDG_RUNTIME_DIR/wayland-pernoka"
weston_window() { xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "Weston Compositor.*/\1/p' | head -n 1; }
weston_shown() { [ -n "$(weston_window)" ]; }
wait_for "weston shows no output" weston_shown
output=$(weston_window)

mkdir -p "$WORK/pictures"
# Colours that change across and down, none of them the board's black.
convert -size 300x200 xc: -sparse-color bilinear '0,0 orange 299,0 cyan 0,199 purple 299,199 yellow' \
  "BMP3:$WORK/pictures/picture.bmp"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-pernoka start_app "$WORK/pictures/picture.bmp"

alive() { program_running || fail "the program ended: $(tail -3 "$WORK/app.log")"; }
# Weston's output as it is now, into $WORK/output.png.
shoot() { import -window "$output" "$WORK/output.png" 2>/dev/null; }
# The bounds of the window's light grey frame (Qt's title bar and the menu
# bar) on the output, as "WxH+X+Y".
frame_bounds() {
  shoot && convert "$WORK/output.png" -fill black +opaque 'srgb(239,239,239)' -fill white -opaque 'srgb(239,239,239)' \
    -format '%@\n' info: 2>/dev/null
}
frame_is() { alive && [[ $(frame_bounds) == $1 ]]; }
frame_found() { local w; alive && w=$(frame_bounds) && [ "${w%%x*}" -gt 100 ]; }
# Weston's X11 back-end takes the pointer's place from where it enters its
# window and follows it from there, so each click enters anew, from outside.
click_at() {
  xdotool mousemove 0 0
  xdotool mousemove --window "$output" "$1" "$2" click 1
}
# Qt's title bar: 30 pixels high, its boxes at its right end, 18 wide, 5
# apart, 8 from the edge: close, maximise, minimise.
box_x() { echo $(($1 - 8 - 9 - $2 * 23)); }
CLOSE=0
MAXIMISE=1

wait_for "the main window did not appear on weston: $(tail -3 "$WORK/app.log")" frame_found
wait_for "the program is not on the accessibility bus" probe_has board "frame '$TITLE'"
read -r width height left top < <(frame_bounds | tr 'x+' '  ')
note "on weston: ${width}x${height} at $left,$top"

# The moves the title counts.
count() { probe board && sed -n "s/^frame '\([0-9]*\)回目'$/\1/p" "$WORK/probe.board"; }
moved_at_least() { local n; n=$(count) && [ "${n:-0}" -ge "$1" ]; }
# Moves from the keyboard, a few keys at a time as a player types them,
# until the title counts at least this many.
move_until() {
  local tries
  for tries in 1 2 3 4 5; do
    keys Left Up Right Down Left
    WAIT_TRIES=30 wait_for_quietly moved_at_least "$1" && return
  done
  fail "fewer than $1 moves were counted: $(grep frame "$WORK/probe.board")"
}
# The output has stopped changing: two shots alike, the count the same.
still() {
  local before
  before=$(count)
  shoot && mv "$WORK/output.png" "$WORK/previous.png" && shoot &&
    [ "$(count)" = "$before" ] && compare -metric AE "$WORK/previous.png" "$WORK/output.png" null: 2>/dev/null
}
maximise() {
  click_at "$(box_x $((left + width)) $MAXIMISE)" $((top + 15))
  wait_for_quietly frame_is "${OUTPUT_W}x${OUTPUT_H}+0+0" || fail "the window was never maximised: $(frame_bounds)"
}
# The same box, now at the output's right end, restores it.
restore() {
  click_at "$(box_x $OUTPUT_W $MAXIMISE)" 15
  wait_for_quietly frame_is "${width}x${height}+*+*" || fail "the window did not come back to its size: $(frame_bounds)"
  read -r _ _ left top < <(frame_bounds | tr 'x+' '  ')
}
# The board, from the last shot of the output, where the window stands.
board_at() {
  convert "$WORK/output.png" -crop "${BOARD_W}x${BOARD_H}+$(($1 + 3))+$(($2 + height - 3 - BOARD_H))" +repage "$3"
}

# A game of 3 × 3 from the menu. Weston hands the keyboard over once the
# click that gave its window the focus has come through: until a game is
# out, the menu is asked again.
click_at $((left + width / 2)) $((top + 15))
for try in 1 2 3; do
  pick_menu "$output" 開始 ３分割
  WAIT_TRIES=100 wait_for_quietly board_out && break
  keys Escape Escape
done
board_out || fail "no game started: $(cat "$WORK/probe.cells")"
move_until 1

# Maximised, the window fills the output in the light grey of its frame;
# the same box restores it.
maximise
note "maximised by the compositor, the program running"
restore
note "restored: ${width}x${height}"

# The game plays on, each move drawing only the tile that moved; maximised
# again, the window draws its board whole: the same picture.
click_at $((left + width / 2)) $((top + 15))
move_until 3
wait_for "the output never settled" still
board_at "$left" "$top" "$WORK/board-moved.png"
maximise
board_at 0 0 "$WORK/board-whole.png"
# compare's status says whether they are alike; what it prints differs
# between ImageMagick 6 and 7.
compare -metric AE "$WORK/board-moved.png" "$WORK/board-whole.png" null: 2>"$WORK/differ" ||
  fail "the board drawn move by move differs from the board drawn whole: $(cat "$WORK/differ") pixels"
restore
note "three moves, then the board as a whole repaint draws it"

# The close box, then the farewell box, which takes the keyboard as it opens.
click_at "$(box_x $((left + width)) $CLOSE)" $((top + 15))
program_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
for try in 1 2 3 4 5 6 7 8 9 10; do
  WAIT_TRIES=20 wait_for_quietly program_ended && break
  keys Return
done
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" = 0 ] || fail "the program ended with status $status: $(tail -3 "$WORK/app.log")"
echo "1 passed, 0 failed"
