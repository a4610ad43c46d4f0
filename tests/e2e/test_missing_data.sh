#!/usr/bin/env bash
# The program alone in its folder, without any of its data files: the
# built-in picture is reported missing, help shows nothing, and a game on a
# picture of the player's own still plays, in silence.
source "$(dirname "$0")/lib.sh"

mkdir -p "$WORK/alone" "$WORK/pictures"
cp "$PERNOKA" "$WORK/alone/"
PERNOKA="$WORK/alone/$(basename "$PERNOKA")"
convert -size 300x200 gradient:orange-purple "BMP3:$WORK/pictures/own picture.bmp"

start_x
start_app
win=$(wait_window "$TITLE")

pick_menu "$win" 画像 パンチラ  # its file is missing
answer_box "$win" "missing pantira.jpg" Return
pick_menu "$win" 開始 ３分割  # so there is still no picture
answer_box "$win" "start without a picture" Return
note "missing built-in picture reported; no game without a picture"

pick_menu "$win" help help  # no Tez.hlp, nothing opens
# Nothing may come up: give a window every chance to appear.
sleep 1
no_other_window "$win" || fail "help opened a window without its file"

pick_menu "$win" 画像 画像選択
dialog_up() { dialog=$(find_window "画像ファイルの選択"); [ -n "$dialog" ]; }
wait_for "no file dialog titled 画像ファイルの選択" dialog_up
focus "$dialog"
xdotool type --delay 5 "$WORK/pictures/own picture.bmp"
keys Return
wait_alone "$win" "the file dialog stayed open"

pick_menu "$win" 開始 ３分割  # without a tune
wait_for "no board" board_out "$win"
no_other_window "$win" || fail "the start was refused"
slide_a_tile "$win"
title_is "$win" "1回目" || fail "the title is \"$(xdotool getwindowname "$win")\" after one move"
note "a game on the player's own picture plays without any data file"

pick_menu "$win" 開始 終了  # answered はい
box=$(wait_other_window "$win") || fail "Exit asked nothing"
focus "$box"
keys Return
wait_exit || fail "the program ended with a failure status"
echo "1 passed, 0 failed"
