#!/usr/bin/env bash
# The real program under X: its window, the client area, and the closing message.
source "$(dirname "$0")/lib.sh"

start_x
start_app
win=$(wait_window "$TITLE")
note "window $win"
sleep 0.5

# The audio engine waits until sound is near; a fresh window has none of it.
! grep -q libpernoka_audio "/proc/$APP_PID/maps" || fail "the audio engine was loaded at start-up"

size=$(board_size "$win")
[ "$size" = "317x289" ] || fail "the area below the menu bar is $size, not 317x289"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 317 ] || fail "window width $WIDTH"

wmctrl -i -c "$win"
box=$(wait_other_window "$win") || fail "no closing message appeared"
kill -0 "$APP_PID" || fail "the program ended before the message was answered"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
wait_exit || fail "the program ended with a failure status"
note "closed after its message"
echo "1 passed, 0 failed"
