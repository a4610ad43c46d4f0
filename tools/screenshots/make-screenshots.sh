#!/usr/bin/env bash
# Takes the screenshots of the software-centre listing from the built game,
# as a display of scale 2 shows it: Qt draws every window at twice its size
# on a private Xvfb, and openbox frames it with its title at twice the
# usual type. Four scenes: a 4 × 4 board of パンチラ freshly mixed, a 6 × 6
# game of ねまき under way, the whole-picture view over the main window and
# the about window over it. Each is the windows with their frames, a soft
# shadow, a transparent background and no pointer, in PNG without time
# stamps, optimised with optipng; it needs no network.
#   bash tools/screenshots/make-screenshots.sh path/to/pernoka [output folder]
# (default: packaging/screenshots). The metainfo names the files and gives
# their sizes, and the release test holds the two together; commit them with
# packaging/pernoka.metainfo.xml.in.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$(realpath -m "${2:-$here/../../packaging/screenshots}")
# The end-to-end helpers start the X server and drive the game's menus.
source "$here/../../tests/e2e/lib.sh"
command -v optipng >/dev/null || fail "optipng is missing (package optipng)"

SCALE=2
# The same deal every time, no sound device, and Qt's own look at scale 2.
export PERNOKA_SEED=20261209 SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=$SCALE
unset QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_FONT_DPI
# Room for the largest scene, and openbox's defaults with its type twice as
# large, read from a configuration folder of our own.
SCREEN_SIZE=1600x1200
export XDG_CONFIG_HOME=$WORK/config
mkdir -p "$XDG_CONFIG_HOME/openbox" "$out"
perl -pe 's|<size>(\d+)</size>|"<size>" . $1 * '"$SCALE"' . "</size>"|e' /etc/xdg/openbox/rc.xml \
  >"$XDG_CONFIG_HOME/openbox/rc.xml"

# The window manager tells the frame's sizes once it has framed a window.
framed() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = '; }

# The rectangle of a window with its frame on the screen: "x y w h".
frame_rectangle() {
  local left right top bottom x y w h
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
  read -r x y w h < <(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /Width/ { w = $2 } /Height/ { h = $2 } END { print x, y, w, h }')
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# A window is ready once it shows more than one colour and two looks at it,
# one after the other, find the same picture.
settled() {
  local look=$WORK/look-$1.png new=$WORK/look-$1-new.png
  import -window "$1" "$new" 2>/dev/null || return 1
  [ "$(identify -format '%k' "$new")" -gt 1 ] || return 1
  [ -f "$look" ] && compare -metric AE "$look" "$new" null: 2>/dev/null && return 0
  mv "$new" "$look"
  return 1
}

# The windows given, with their frames, cut from the screen on a transparent
# background, with a shadow below them.
shoot() {
  local file=$1 id x y w h x0=100000 y0=100000 x1=0 y1=0
  shift
  local masks=()
  for id in "$@"; do
    wait_for "the window manager did not frame $file's window" framed "$id"
    rm -f "$WORK/look-$id.png"
    wait_for "$file's window did not settle" settled "$id"
  done
  for id in "$@"; do
    read -r x y w h < <(frame_rectangle "$id")
    masks+=(-draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))")
    ((x < x0)) && x0=$x
    ((y < y0)) && y0=$y
    ((x + w > x1)) && x1=$((x + w))
    ((y + h > y1)) && y1=$((y + h))
  done
  import -window root "$WORK/screen.png"
  read -r w h < <(identify -format '%w %h\n' "$WORK/screen.png")
  convert -size "${w}x${h}" xc:black -fill white "${masks[@]}" "$WORK/mask.png"
  convert "$WORK/screen.png" \( "$WORK/mask.png" -alpha off \) -compose copy-opacity -composite \
    -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage -compose over \
    \( +clone -background black -shadow 40x10+0+6 \) +swap -background none -layers merge +repage \
    -resize '1000x700>' -strip -define png:exclude-chunks=date,time "PNG32:$out/$file"
  optipng -quiet -o5 -strip all "$out/$file"
  note "$out/$file: $(identify -format '%wx%h' "$out/$file"), $(stat -c %s "$out/$file") bytes"
}

start_x
start_app
win=$(wait_window "$TITLE")
pick_menu "$win" 画像 パンチラ
pick_menu "$win" 開始 ４分割
wait_for "no board" board_out "$win"
shoot board.png "$win"

pick_menu "$win" 表示
view=$(wait_other_window "$win")
shoot picture.png "$win" "$view"
keys Escape
wait_alone "$win"

pick_menu "$win" help about...
about=$(wait_other_window "$win")
shoot about.png "$win" "$about"
keys Escape
wait_alone "$win"

pick_menu "$win" 開始 リセット
wait_for "the board was not cleared" board_empty "$win"
pick_menu "$win" 画像 ねまき
pick_menu "$win" 開始 ６分割
wait_for "no board" board_out "$win"
for way in horizontal vertical horizontal vertical horizontal vertical horizontal; do
  slide_by_key "$win" "$way"
done
shoot game.png "$win"
