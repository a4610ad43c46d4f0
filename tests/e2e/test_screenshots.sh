#!/usr/bin/env bash
# The listing's screenshots can be taken again from the game under test,
# offline: tools/screenshots/make-screenshots.sh writes every file the
# metainfo shows and no other, each the main window drawn at scale 2 (so at
# least twice the board's width) within the 1000 × 700 a listing shows, on
# a transparent background.
source "$(dirname "$0")/lib.sh"
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)

bash "$SOURCE/tools/screenshots/make-screenshots.sh" "$PERNOKA" "$WORK/shots" >"$WORK/shots.log" 2>&1 ||
  fail "make-screenshots.sh failed: $(tail -5 "$WORK/shots.log")"
want=$(sed -n 's|.*/screenshots/\([^<]*\)</image>.*|\1|p' "$SOURCE/packaging/pernoka.metainfo.xml.in" | sort)
have=$(ls "$WORK/shots" | sort)
[ -n "$want" ] && [ "$have" = "$want" ] || fail "the script wrote $(echo $have), the metainfo shows $(echo $want)"
for file in $have; do
  read -r format w h corner middle < <(identify -format '%m %w %h %[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]\n' "$WORK/shots/$file")
  [ "$format" = PNG ] || fail "$file is $format"
  [ "$w" -ge $((2 * BOARD_W)) ] && [ "$w" -le 1000 ] && [ "$h" -le 700 ] || fail "$file is $w × $h"
  [ "$corner" = 0 ] && [ "$middle" = 1 ] || fail "$file: alpha $corner in the corner, $middle in the middle"
  note "$file: $w × $h, $(stat -c %s "$WORK/shots/$file") bytes"
done
echo "1 passed, 0 failed"
