#!/usr/bin/env bash
# A PNG picture is played like the other types: chosen in 画像選択 and
# started, then named on the command line under a .jpg name, which its
# content overrules.
source "$(dirname "$0")/lib.sh"

mkdir -p "$WORK/pictures"
convert -size 320x240 xc:'#1EA03C' "PNG24:$WORK/pictures/screenshot.png"
convert -size 320x240 xc:'#C81E1E' "PNG32:$WORK/pictures/really a png.jpg"

start_x
start_app
win=$(wait_window "$TITLE")
choose_picture_file "$win" "$WORK/pictures/screenshot.png"

pick_menu "$win" 開始 ３分割
wait_for "no tiles on the board" board_out "$win"
no_other_window "$win" || fail "the start was refused: the PNG was not taken"
wait_for "the board does not show the PNG" board_mostly "$win" '#1EA03C' 0.8
slide_a_tile "$win"
title_is "$win" "1回目" || fail "the title is \"$(xdotool getwindowname "$win")\" after one move"
note "a PNG chosen in the dialog plays"
kill_app

start_app "$WORK/pictures/really a png.jpg"
win=$(wait_window "$TITLE")
pick_menu "$win" 開始 ３分割
wait_for "no tiles on the board" board_out "$win"
no_other_window "$win" || fail "the start asked for a picture: the renamed PNG was not taken"
wait_for "the board does not show the renamed PNG" board_mostly "$win" '#C81E1E' 0.8
note "a PNG named .jpg on the command line plays"
echo "1 passed, 0 failed"
