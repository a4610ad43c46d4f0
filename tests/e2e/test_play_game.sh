#!/usr/bin/env bash
# A real game: "パンチラ", "３分割", a move, then Reset.
source "$(dirname "$0")/lib.sh"

start_x
start_app
win=$(wait_window "$TITLE")

start_game "$win"
no_other_window "$win" || fail "a message box came up beside the board"
note "board laid out; the gap leaves a black cell"

slide_a_tile "$win"
title_is "$win" "1回目" || fail "the title is \"$(xdotool getwindowname "$win")\" after one move"
note "a tile slid: title 1回目"

pick_menu "$win" 開始 リセット
wait_title_of "$win" "0回目"
wait_for "tiles remain after the reset" board_empty "$win"
note "reset: 0回目 and an empty board"
echo "1 passed, 0 failed"
