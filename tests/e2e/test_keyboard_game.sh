#!/usr/bin/env bash
# A whole game with the keyboard alone: menus opened with Alt and the
# arrows, the option set to 1, "ねまき" on 3 × 3, then arrow keys until the
# automatic reshuffles and the game over, whose question is answered with
# keys. While a menu is open its arrows stay the menu's.
source "$(dirname "$0")/lib.sh"

start_x
start_app
win=$(wait_window "$TITLE")

pick_menu "$win" ｵﾌﾟｼｮﾝ
options=$(wait_other_window "$win") || fail "the options window did not open"
type_option_digit "$options" 1       # replaces the selected "15"
keys Return                          # Enter moves the focus to ＯＫ...
keys Return                          # ...where Enter presses it
wait_alone "$win" "the options window did not close"
note "option stored with keys"

start_game "$win" ねまき ３分割
title_is "$win" "$TITLE" || fail "the title is \"$(xdotool getwindowname "$win")\" before any move"

# ６分割, which a game on refuses, reached with Alt and the arrows: they go
# to the menu, and no tile moves.
gap_before=$(gap_cell "$win") || fail "no gap on the board"
pick_menu "$win" 開始 ６分割
answer_box "$win" "６分割 during a game" Return
title_is "$win" "$TITLE" || fail "an arrow meant for the menu moved a tile"
[ "$(gap_cell "$win")" = "$gap_before" ] || fail "the gap moved while the menu was open"
note "arrows in an open menu stay the menu's"

# With a limit of 1 the second counted move reshuffles (the title shows 0),
# and the sixth is followed by the game over and its question. The moves
# take turns between the horizontal and the vertical arrows.
for move in 1 2 3 4 5 6; do
  if ((move % 2)); then slide_by_key "$win" horizontal; else slide_by_key "$win" vertical; fi
  [ "$move" = 6 ] && break
  # The count shows before the click sound and the reshuffle after it:
  # the title is read once it has settled.
  if ((move % 2)); then
    wait_title_of "$win" "1回目"
  else
    wait_title_of "$win" "0回目"
  fi
  no_other_window "$win" || fail "a window came up after move $move"
done
box=$(wait_other_window "$win") || fail "no game over after the sixth move"
note "six moves by arrow keys, two reshuffles, the game over"

focus "$box"
keys Tab space                       # from the default はい to いいえ
wait_alone "$win" "the question stayed"
wait_title_of "$win" "0回目"
wait_for "the board was not cleared" board_empty "$win"

# No game: the arrows do nothing. Give a move every chance to show.
focus "$win"
keys Left Right Up Down
sleep 1
title_is "$win" "0回目" || fail "an arrow did something without a game"
no_other_window "$win" || fail "an arrow without a game opened a window"
note "いいえ: no board, and arrows do nothing"

pick_menu "$win" 開始 終了
box=$(wait_other_window "$win") || fail "Exit asked nothing"
focus "$box"
keys Return                          # はい
wait_exit || fail "the program ended with a failure status"
echo "1 passed, 0 failed"
