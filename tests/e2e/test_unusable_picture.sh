#!/usr/bin/env bash
# A file that cannot be used as a picture is refused with a word, whichever
# way it came: named on the command line (missing, empty, a FIFO, not a
# picture), dropped on the window, or picked in 画像選択. The dialog also
# opens its next time in the folder of the file chosen last.
source "$(dirname "$0")/lib.sh"

trap 'stop_drag_source; cleanup' EXIT

mkdir -p "$WORK/pictures" "$WORK/elsewhere"
: >"$WORK/pictures/empty.bmp"
printf 'GIF89a but not really\n' >"$WORK/pictures/broken.gif"
mkfifo "$WORK/pictures/pipe.jpg"
convert -size 300x200 xc:blue "BMP3:$WORK/elsewhere/blue.bmp"

# The one box that says the picture could not be read, answered.
wait_unreadable_box() {
  local main=$1 what=$2 box
  box=$(wait_other_window "$main") || fail "$what: no message"
  title_is "$box" "エラー" || fail "$what: the box is titled \"$(xdotool getwindowname "$box")\""
  focus "$box"
  keys Return
  wait_alone "$main" "$what: the box stayed"
}

start_x

# The command line: each unusable file is told at start, and still no
# picture is chosen, so ３分割 asks for one.
for file in missing.bmp empty.bmp broken.gif pipe.jpg; do
  start_app "$WORK/pictures/$file"
  win=$(wait_window "$TITLE")
  wait_unreadable_box "$win" "$file on the command line"
  pick_menu "$win" 開始 ３分割
  answer_box "$win" "a start after $file" Return
  board_empty "$win" || fail "a board was laid out after $file"
  kill_app
done
note "the command line: a missing, empty, FIFO and broken file are each told"

start_app
win=$(wait_window "$TITLE")

# A drop of a file that is no picture.
start_drag_source "$(file_url "$WORK/pictures/empty.bmp")"
drag_to_window "$win"
drag_release
wait_unreadable_box "$win" "a dropped empty file"
stop_drag_source
note "a drop: an empty file is told"

# 画像選択: a broken file is told; then a good one is chosen from another
# folder, and the next dialog opens there, so its bare name is enough.
choose_in_dialog() { enter_in_picture_dialog "$win" "$1"; }
choose_in_dialog "$WORK/pictures/broken.gif"
wait_unreadable_box "$win" "broken.gif in the dialog"
choose_in_dialog "$WORK/elsewhere/blue.bmp"
wait_alone "$win" "the dialog stayed open for blue.bmp"
choose_in_dialog "blue.bmp"
wait_alone "$win" "the second dialog did not open in the folder of blue.bmp"
note "画像選択: a broken file is told; the next dialog opens in the last file's folder"

pick_menu "$win" 開始 ３分割
no_other_window "$win" || fail "the start after the dialog was refused"
wait_for "the board does not show blue.bmp" board_mostly "$win" "#0000FF" 0.8
echo "1 passed, 0 failed"
