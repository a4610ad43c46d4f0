#!/usr/bin/env bash
# The real program under X: its window, the client area, and the closing message.
source "$(dirname "$0")/lib.sh"

start_x
start_app
win=$(wait_window "$TITLE")
note "window $win"

# The audio engine waits until sound is near; a fresh window has none of it.
! grep -q libpernoka_audio "/proc/$APP_PID/maps" || fail "the audio engine was loaded at start-up"

wait_for "the area below the menu bar is $(board_size "$win"), not $EMPTY_BOARD" board_is "$win" "$EMPTY_BOARD"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = "$BOARD_W" ] || fail "window width $WIDTH"

# Menus alone load no sound: ＢＧＭ to choose OFF, then 開始 with the music off.
module_loaded() { grep -q libpernoka_audio "/proc/$APP_PID/maps"; }
pick_menu "$win" ＢＧＭ OFF
focus "$win"
keys alt Down Escape Escape          # 開始 opened and closed
# Nothing may load: give it every chance to.
sleep 1
! module_loaded || fail "opening the menus loaded the audio engine"
pick_menu "$win" ＢＧＭ ON  # plays the tune
wait_for "ＢＧＭ → ON did not load the audio engine" module_loaded
note "the audio engine loads for a sound, not for a menu"

wmctrl -i -c "$win"
box=$(wait_other_window "$win") || fail "no closing message appeared"
program_running || fail "the program ended before the message was answered"
focus "$box"
keys Return
wait_exit || fail "the program ended with a failure status"
note "closed after its message"
echo "1 passed, 0 failed"
