#!/usr/bin/env bash
# A whole game: the option set to 1, "ねまき" on 3 × 3, moves until the
# automatic reshuffles and the game over; "いいえ" keeps the program running
# with no board, then Exit answered "はい" ends it.
source "$(dirname "$0")/lib.sh"

start_x
start_app
win=$(wait_window "$TITLE")

pick_menu "$win" ｵﾌﾟｼｮﾝ  # right on the bar
options=$(wait_other_window "$win") || fail "the options window did not open"
type_option_digit "$options" 1       # replaces the selected "15"
keys Return                          # Enter moves the focus to ＯＫ...
keys space                           # ...which is pressed
wait_alone "$win" "the options window did not close"
note "option stored"

start_game "$win" ねまき ３分割

# With a limit of 1 the second counted move reshuffles (the title shows 0),
# and the sixth is followed by the game over and its question.
reshuffles=0
for move in 1 2 3 4 5 6; do
  slide_a_tile "$win"
  [ "$move" = 6 ] && break
  # The count shows before the click sound and the reshuffle after it:
  # the title is read once it has settled.
  if ((move % 2)); then
    wait_title_of "$win" "1回目"
  else
    wait_title_of "$win" "0回目"
    reshuffles=$((reshuffles + 1))
  fi
  no_other_window "$win" || fail "a window came up after move $move"
done
# The game-over sound plays before the question.
box=$(wait_other_window "$win") || fail "no game over after the sixth move"
note "game over after $reshuffles reshuffles seen in the title"

focus "$box"
keys Tab space                       # from the default はい to いいえ
wait_alone "$win" "the question stayed"
program_running || fail "いいえ ended the program"
wait_title_of "$win" "0回目"
wait_for "the board was not cleared" board_empty "$win"
note "いいえ: running, no board, 0回目"

pick_menu "$win" 開始 終了
box=$(wait_other_window "$win") || fail "Exit asked nothing"
focus "$box"
keys Return                          # はい is the default
wait_exit || fail "the program ended with a failure status"
note "はい ended the program"
echo "1 passed, 0 failed"
