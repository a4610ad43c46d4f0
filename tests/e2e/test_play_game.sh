#!/usr/bin/env bash
# A real game: "パンチラ", "３分割", a move, then Reset.
source "$(dirname "$0")/lib.sh"

start_x
start_app
win=$(wait_window "$TITLE")
sleep 0.5

pick_menu "$win" "$MENU_PICTURE_X" 2   # 画像 → パンチラ
pick_menu "$win" "$MENU_START_X" 1     # 開始 → ３分割
sleep 0.5
[ -z "$(other_windows "$win")" ] || fail "a message box came up instead of a board"
board=$(board_size "$win")
[ "$board" != "317x289" ] || fail "no tiles on the board"
note "board laid out; the gap leaves a black cell"

click_cells_until_title "$win" 3 "1回目" || fail "no tile moved: title is \"$(xdotool getwindowname "$win")\""
note "a tile slid: title 1回目"

pick_menu "$win" "$MENU_START_X" 5     # 開始 → リセット
wait_title_of "$win" "0回目"
[ "$(board_size "$win")" = "317x289" ] || fail "tiles remain after the reset"
note "reset: 0回目 and an empty board"
echo "1 passed, 0 failed"
