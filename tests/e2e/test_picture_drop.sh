#!/usr/bin/env bash
# Dropping picture files on the main window through the X drag-and-drop
# protocol, from a small drag source of our own standing in for a file
# manager: a drag of anything but one local file is refused while it is
# still over the window, one picture file is taken and starts the next game
# without any picture command, and during a game the drop is answered with
# the refusal box.
source "$(dirname "$0")/lib.sh"

trap 'stop_drag_source; cleanup' EXIT

mkdir -p "$WORK/pictures"
picture="$WORK/pictures/夏 の 写真.bmp"
convert -size 300x200 gradient:orange-purple "BMP3:$picture"
picture_url=$(file_url "$picture")

start_x
start_app
win=$(wait_window "$TITLE")

# Two files, and a remote picture: the window refuses them while the
# pointer is over it, and the release drops nothing.
for urls in "$picture_url $picture_url" "https://example.jp/picture.jpg"; do
  # shellcheck disable=SC2086 # one URL per word
  start_drag_source $urls
  drag_to_window "$win"
  # The pointer rests over the window: its answer has every chance to come.
  sleep 1
  ! drag_reported "action copy" || fail "a drag of \"$urls\" was taken"
  drag_release
  wait_for "the drag of \"$urls\" did not end" drag_reported "result ignore"
  no_other_window "$win" || fail "a refused drop opened a window"
done
pick_menu "$win" 開始 ３分割  # still no picture
answer_box "$win" "a start after refused drops" Return
note "two files and a remote address are refused over the window"

# One picture file: taken as a copy while over the window, then chosen.
start_drag_source "$picture_url"
drag_to_window "$win"
wait_for "the window did not take the picture file" drag_reported "action copy"
drag_release
wait_for "the drop did not end as a copy" drag_reported "result copy"
no_other_window "$win" || fail "the drop before a game opened a window"
pick_menu "$win" 開始 ３分割  # with the dropped picture
wait_for "no tiles on the board after the drop" board_out "$win"
no_other_window "$win" || fail "the start asked for a picture"
note "a dropped picture starts the next game"

# During a game the drop is taken and answered with the refusal.
drag_to_window "$win"
wait_for "the window did not take the drag during a game" drag_reported "action copy"
drag_release
box=$(wait_other_window "$win") || fail "no refusal for a drop during a game"
title_is "$box" "エラー" || fail "the box after the drop is titled \"$(xdotool getwindowname "$box")\""
focus "$box"
keys Return
wait_alone "$win" "the refusal stayed"
title_is "$win" "$TITLE" || fail "the drop during a game changed the title"
board_out "$win" || fail "the drop during a game cleared the board"
note "a drop during a game is refused with the エラー box"
stop_drag_source
echo "1 passed, 0 failed"
