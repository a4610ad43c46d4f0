#!/usr/bin/env bash
# Takes the screenshots of the software-centre listing from the built game on
# a private Xvfb with openbox: the main window with a 4 × 4 board mixed and a
# few tiles moved, the whole-picture view beside it, and the about window.
# Each is the window with its frame, as a PNG without time stamps.
#   bash tools/screenshots/make-screenshots.sh path/to/pernoka [output folder]
# (default: packaging/screenshots). The metainfo names the files and gives
# their sizes; commit them with it.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$(realpath -m "${2:-$here/../../packaging/screenshots}")
# The end-to-end helpers start the X server and drive the game's menus.
source "$here/../../tests/e2e/lib.sh"

# The same deal every time, and no sound device needed.
export PERNOKA_SEED=20261209 SDL_AUDIODRIVER=dummy
mkdir -p "$out"

# The window manager tells the frame's sizes once it has framed a window.
framed() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = '; }

# The window with its frame, shrunk only if it is larger than a listing
# shows (1000 × 700).
shoot() {
  local id=$1 file=$2
  wait_for "the window manager did not frame $file's window" framed "$id"
  import -frame -window "$id" "$WORK/shot.png"
  convert "$WORK/shot.png" -resize '1000x700>' -strip -define png:exclude-chunks=date,time "$out/$file"
  note "$out/$file: $(identify -format '%wx%h' "$out/$file")"
}

start_x
start_app
win=$(wait_window "$TITLE")
pick_menu "$win" "$MENU_PICTURE" 2   # 画像 → パンチラ
pick_menu "$win" "$MENU_START" 2     # 開始 → ４分割
wait_for "no board" board_is_not "$win" "$EMPTY_BOARD"
for _ in 1 2 3 4 5; do slide_a_tile "$win" 4; done
shoot "$win" board.png

pick_menu "$win" "$MENU_VIEW" 0      # 表示
view=$(wait_other_window "$win")
shoot "$view" picture.png
keys Escape
wait_alone "$win"

pick_menu "$win" "$MENU_HELP" 2      # help → about...
about=$(wait_other_window "$win")
shoot "$about" about.png
