#!/usr/bin/env bash
# What a screen reader finds, read through AT-SPI on a private session bus:
# the tiles named by piece and cell, their names and the gap after a move
# made with an arrow key, the options box labelled by its caption, the mail
# address a link, and the secondary windows dialogs.
source "$(dirname "$0")/lib.sh"

start_x

probe_lacks() { probe "$1" && ! grep -qF -- "$2" "$WORK/probe.$1"; }
tiles() { grep -c "^tile push button 'タイル " "$WORK/probe.board" || true; }

start_app_for_screen_reader
grep -qF "board filler '盤' description ''" "$WORK/probe.board" || fail "the board before a game: $(cat "$WORK/probe.board")"

pick_menu "$win" 開始 ３分割
nine_cells() { probe board && [ "$(tiles)" = 8 ]; }
wait_for "no tiles for a screen reader: $(cat "$WORK/probe.board")" nine_cells
note "the board as a screen reader finds it:"
cat "$WORK/probe.board"

# Every tile is pressable, and the tiles and the gap take the nine cells.
[ "$(grep -c "^tile .* actions: Press$" "$WORK/probe.board")" = 8 ] || fail "a tile cannot be pressed"
read -r gap_row gap_col < <(sed -n "s/^board .*description '空きマス (\([0-9]\) 行 \([0-9]\) 列)'$/\1 \2/p" "$WORK/probe.board")
[ -n "$gap_row" ] || fail "the board does not tell the gap"
cells=$({ sed -n "s/^tile .*(\([0-9]\) 行 \([0-9]\) 列)'.*/\1\2/p" "$WORK/probe.board"; echo "$gap_row$gap_col"; } | sort -u | wc -l)
[ "$cells" = 9 ] || fail "tiles and gap cover $cells cells"

# An arrow key moves the tile beside the gap: its name and the gap follow.
if [ "$gap_col" -gt 1 ]; then key=Right from=$((gap_col - 1)); else key=Left from=$((gap_col + 1)); fi
tile=$(sed -n "s/^tile push button 'タイル \([0-9]*\) ($gap_row 行 $from 列)'.*/\1/p" "$WORK/probe.board")
[ -n "$tile" ] || fail "no tile beside the gap in row $gap_row"
focus "$win"
keys "$key"
wait_title_of "$win" "1回目"
wait_for "tile $tile's name did not follow its move: $(cat "$WORK/probe.board")" \
  probe_has board "tile push button 'タイル $tile ($gap_row 行 $gap_col 列)'"
grep -qF "description '空きマス ($gap_row 行 $from 列)'" "$WORK/probe.board" ||
  fail "the gap was not told after the move: $(grep '^board' "$WORK/probe.board")"
note "after $key: $(grep -F "'タイル $tile " "$WORK/probe.board"); $(grep '^board' "$WORK/probe.board")"

pick_menu "$win" 開始 リセット  # no tiles, no gap
wait_for "tiles stayed for a screen reader after the reset" probe_lacks board "tile push button"
grep -qF "description ''" "$WORK/probe.board" || fail "a gap was told without a board"

pick_menu "$win" ｵﾌﾟｼｮﾝ
wait_for "no options dialog for a screen reader: $(cat "$WORK/probe.dialogs")" \
  probe_has dialogs "text 'ｸﾘｯｸ数' labelled by label 'ｸﾘｯｸ数'"
grep -qx "dialog '$TITLE'" "$WORK/probe.dialogs" || fail "the options window is no dialog: $(cat "$WORK/probe.dialogs")"
note "the options window:"
cat "$WORK/probe.dialogs"
focus "$(wait_other_window "$win")"
keys Return Return                   # to ＯＫ, and press it
wait_alone "$win" "the options window stayed"

pick_menu "$win" help about...
mail=$(sed -n 's/^PERNOKA_MAIL=//p' "$(dirname "$0")/../../packaging/address.conf")
wait_for "no link in the about window: $(cat "$WORK/probe.dialogs")" \
  probe_has dialogs "link 'E-mail:$mail' description '作者へメールを送信します。' actions: Press"
grep -qx "dialog '$TITLE'" "$WORK/probe.dialogs" || fail "the about window is no dialog"
note "the about window:"
cat "$WORK/probe.dialogs"
focus "$(wait_other_window "$win")"
keys Escape                          # its cancel button
wait_alone "$win" "Esc did not close the about window"

pick_menu "$win" 表示
wait_for "the picture view is no dialog: $(cat "$WORK/probe.dialogs")" probe_has dialogs "dialog '$TITLE'"
grep -qx "  push button 'OK'" "$WORK/probe.dialogs" || fail "the picture view: $(cat "$WORK/probe.dialogs")"
focus "$(wait_other_window "$win")"
keys Return                          # its default button
wait_alone "$win" "Enter did not close the picture view"
note "the picture view is a dialog"
echo "1 passed, 0 failed"
