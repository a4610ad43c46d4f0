#!/usr/bin/env bash
# At twice the scale on a 1280 × 800 screen, the picture dialog keeps all of
# itself, frame included, inside the screen's free area: the file-type row
# and キャンセル stay within reach.
source "$(dirname "$0")/lib.sh"

SCREEN_SIZE=1280x800 start_x
export QT_SCALE_FACTOR=2
start_app
win=$(wait_window "$TITLE")
dialog=$(open_picture_dialog "$win")

# The outer frame, once the window manager has framed the dialog, and the
# free area it reports.
framed() { [ -n "$(xprop -id "$dialog" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '=.*')" ]; }
wait_for "the dialog was never framed" framed
read -r outer_x outer_y outer_w outer_h < <(outer_geometry "$dialog")
read -r area_x area_y area_w area_h < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)
note "dialog ${outer_w}x${outer_h}+${outer_x}+${outer_y} in the free area ${area_w}x${area_h}+${area_x}+${area_y}"
[ "$outer_x" -ge "$area_x" ] && [ "$outer_y" -ge "$area_y" ] &&
  [ $((outer_x + outer_w)) -le $((area_x + area_w)) ] && [ $((outer_y + outer_h)) -le $((area_y + area_h)) ] ||
  fail "the dialog runs off the free area"

focus "$dialog"
keys Escape
wait_alone "$win" "Esc did not close the dialog"
echo "1 passed, 0 failed"
