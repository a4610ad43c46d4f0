#!/usr/bin/env bash
# The program alone in its folder, without any of its data files: the
# built-in picture is reported missing, help shows nothing, and a game on a
# picture of the player's own still plays, in silence.
source "$(dirname "$0")/lib.sh"

mkdir -p "$WORK/alone" "$WORK/pictures"
cp "$PERNOKA" "$WORK/alone/"
PERNOKA="$WORK/alone/$(basename "$PERNOKA")"
convert -size 300x200 gradient:orange-purple "BMP3:$WORK/pictures/own picture.bmp"

answer_box() {
  local box
  box=$(wait_other_window "$win") || fail "$1: no message box"
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 50); do [ -z "$(other_windows "$win")" ] && return 0; sleep 0.1; done
  fail "$1: the box did not close"
}

start_x
start_app
win=$(wait_window "$TITLE")
sleep 0.5

pick_menu "$win" "$MENU_PICTURE_X" 2   # パンチラ: its file is missing
answer_box "missing pantira.jpg"
pick_menu "$win" "$MENU_START_X" 1     # so there is still no picture
answer_box "start without a picture"
note "missing built-in picture reported; no game without a picture"

pick_menu "$win" "$MENU_HELP_X" 1      # help: no Tez.hlp, nothing opens
sleep 1
[ -z "$(xdotool search --all --onlyvisible --pid "$APP_PID" --name . | grep -v "^$win\$")" ] ||
  fail "help opened a window without its file"

pick_menu "$win" "$MENU_PICTURE_X" 1   # 画像選択
dialog=$(xdotool search --all --onlyvisible --pid "$APP_PID" --name "画像ファイルの選択" | tail -n 1)
for _ in $(seq 50); do
  [ -n "$dialog" ] && break
  sleep 0.1
  dialog=$(xdotool search --all --onlyvisible --pid "$APP_PID" --name "画像ファイルの選択" | tail -n 1)
done
[ -n "$dialog" ] || fail "no file dialog titled 画像ファイルの選択"
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
sleep 0.3
xdotool type --delay 5 "$WORK/pictures/own picture.bmp"
xdotool key Return
sleep 0.8
[ -z "$(xdotool search --all --onlyvisible --pid "$APP_PID" --name "画像ファイルの選択")" ] || fail "the file dialog stayed open"

pick_menu "$win" "$MENU_START_X" 1     # ３分割, without a tune
sleep 0.5
[ -z "$(other_windows "$win")" ] || fail "the start was refused"
[ "$(board_size "$win")" != "317x289" ] || fail "no board"
click_cells_until_title "$win" 3 "1回目" || fail "no tile moved"
note "a game on the player's own picture plays without any data file"

pick_menu "$win" "$MENU_START_X" 6     # 終了 → はい
box=$(wait_other_window "$win") || fail "Exit asked nothing"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
wait_exit || fail "the program ended with a failure status"
echo "1 passed, 0 failed"
