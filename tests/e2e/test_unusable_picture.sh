#!/usr/bin/env bash
# A file that cannot be used as a picture is refused with a word, whichever
# way it came: named on the command line (missing, empty, a FIFO, not a
# picture), dropped on the window, or picked in 画像選択. The dialog also
# opens its next time in the folder of the file chosen last.
source "$(dirname "$0")/lib.sh"

DRAG_SOURCE=${HELPERS:?usage: $0 path/to/pernoka helper-folder}/drag_source
SOURCE_PID=
stop_source() {
  if [ -n "$SOURCE_PID" ]; then { kill "$SOURCE_PID"; wait "$SOURCE_PID"; } 2>/dev/null || true; fi
  SOURCE_PID=
}
trap 'stop_source; cleanup' EXIT

mkdir -p "$WORK/pictures" "$WORK/elsewhere"
: >"$WORK/pictures/empty.bmp"
printf 'GIF89a but not really\n' >"$WORK/pictures/broken.gif"
mkfifo "$WORK/pictures/pipe.jpg"
convert -size 300x200 xc:red "BMP3:$WORK/pictures/red.bmp"
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

quit_app() {
  kill -9 "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
}

start_x

# The command line: each unusable file is told at start, and still no
# picture is chosen, so ３分割 asks for one.
for file in missing.bmp empty.bmp broken.gif pipe.jpg; do
  start_app "$WORK/pictures/$file"
  win=$(wait_window "$TITLE")
  wait_unreadable_box "$win" "$file on the command line"
  pick_menu "$win" "$MENU_START" 1
  answer_box "$win" "a start after $file" Return
  board_is "$win" "$EMPTY_BOARD" || fail "a board was laid out after $file"
  quit_app
done
note "the command line: a missing, empty, FIFO and broken file are each told"

start_app
win=$(wait_window "$TITLE")

# A drop of a file that is no picture.
start_source() {
  stop_source
  : >"$WORK/drag.log"
  "$DRAG_SOURCE" "$@" >"$WORK/drag.log" 2>"$WORK/drag.err" &
  SOURCE_PID=$!
  wait_for "the drag source did not come up: $(cat "$WORK/drag.err")" grep -qx ready "$WORK/drag.log"
  source_win=$(xdotool search --onlyvisible --pid "$SOURCE_PID" --name '^drag source$' | head -n 1)
  xdotool windowmove --sync "$source_win" 0 0
}
drop_on_board() {
  local x y i steps=10
  eval "$(xdotool getwindowgeometry --shell "$win")"
  x=$((X + WIDTH / 2))
  y=$((Y + HEIGHT / 2))
  xdotool mousemove --window "$source_win" 80 80 mousedown 1
  for ((i = 1; i <= steps; i++)); do
    xdotool mousemove $((80 + i * (x - 80) / steps)) $((80 + i * (y - 80) / steps))
    sleep 0.05
  done
  xdotool mouseup 1
}
start_source "$(python3 -c 'import pathlib, sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$WORK/pictures/empty.bmp")"
drop_on_board
wait_unreadable_box "$win" "a dropped empty file"
stop_source
note "a drop: an empty file is told"

# 画像選択: a broken file is told; then a good one is chosen from another
# folder, and the next dialog opens there, so its bare name is enough.
choose_in_dialog() {
  local name=$1 dialog
  pick_menu "$win" "$MENU_PICTURE" 1
  dialog_up() { dialog=$(find_window "画像ファイルの選択"); [ -n "$dialog" ]; }
  wait_for "no file dialog titled 画像ファイルの選択" dialog_up
  focus "$dialog"
  xdotool type --delay 5 "$name"
  keys Return
}
choose_in_dialog "$WORK/pictures/broken.gif"
wait_unreadable_box "$win" "broken.gif in the dialog"
choose_in_dialog "$WORK/elsewhere/blue.bmp"
wait_alone "$win" "the dialog stayed open for blue.bmp"
choose_in_dialog "blue.bmp"
wait_alone "$win" "the second dialog did not open in the folder of blue.bmp"
note "画像選択: a broken file is told; the next dialog opens in the last file's folder"

pick_menu "$win" "$MENU_START" 1
wait_for "no board from blue.bmp" board_is_not "$win" "$EMPTY_BOARD"
no_other_window "$win" || fail "the start after the dialog was refused"
echo "1 passed, 0 failed"
