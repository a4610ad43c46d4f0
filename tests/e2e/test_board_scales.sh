#!/usr/bin/env bash
# At fractional scales the tiles cover the board exactly in device pixels:
# a flat-coloured picture on every grid at 125 % and 175 % shows no dark
# line between tiles, only the gap.
source "$(dirname "$0")/lib.sh"

mkdir -p "$WORK/pictures"
flat="$WORK/pictures/flat.png"
convert -size 400x400 xc:'#D2A050' "PNG24:$flat"

# The largest share of dark pixels in any one column or row of the board,
# its outermost pixels left aside; the gap alone makes 1/n of a line dark.
darkest_line() {
  local id=$1 scale=$2 board_w board_h
  eval "$(xdotool getwindowgeometry --shell "$id")"
  board_w=$WIDTH
  board_h=$(awk -v h="$BOARD_H" -v s="$scale" 'BEGIN { printf "%d", h * s + 0.5 }')
  import -window "$id" "$WORK/scaled.png"
  convert "$WORK/scaled.png" -crop "${board_w}x${board_h}+0+$((HEIGHT - board_h))" +repage -shave 1x1 \
    -colorspace gray -threshold 20% -negate "$WORK/dark.png"
  read -r w h < <(identify -format '%w %h' "$WORK/dark.png")
  awk -v a="$(convert "$WORK/dark.png" -scale "${w}x1!" -format '%[fx:maxima]' info:)" \
    -v b="$(convert "$WORK/dark.png" -scale "1x${h}!" -format '%[fx:maxima]' info:)" \
    'BEGIN { printf "%.1f\n", 100 * (a > b ? a : b) }'
}

# Whether the darkest line of the board is no darker than the gap makes it.
no_dark_line() {
  darkest=$(darkest_line "$1" "$2")
  awk -v d="$darkest" -v l="$(awk -v n="$3" 'BEGIN { print 100 / n + 8 }')" 'BEGIN { exit !(d <= l) }'
}

start_x
for scale in 1.25 1.75; do
  for n in 3 4 5 6; do
    export QT_SCALE_FACTOR=$scale
    start_app "$flat"
    win=$(wait_window "$TITLE")
    pick_menu "$win" 開始 "${GRID[$n]}"
    # Until the game has started and its tiles are painted the whole board
    # is dark.
    if ! WAIT_TRIES=50 wait_for_quietly no_dark_line "$win" "$scale" "$n"; then
      cp "$WORK/scaled.png" "${TMPDIR:-/tmp}/pernoka-e2e-scale-$$.png"
      fail "${n}×${n} at $scale: a line of the board is ${darkest}% dark, the gap makes $((100 / n))%" \
        "(kept as ${TMPDIR:-/tmp}/pernoka-e2e-scale-$$.png)"
    fi
    note "${n}×${n} at $scale: darkest line ${darkest}%"
    kill_app
  done
done
echo "1 passed, 0 failed"
