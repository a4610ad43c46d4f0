#!/usr/bin/env bash
# A whole game: the option set to 1, "ねまき" on 3 × 3, moves until the
# automatic reshuffles and the game over; "いいえ" keeps the program running
# with no board, then Exit answered "はい" ends it.
source "$(dirname "$0")/lib.sh"

start_x
start_app
win=$(wait_window "$TITLE")
sleep 0.5

click_at "$win" "$MENU_OPTIONS_X" 8    # ｵﾌﾟｼｮﾝ, right on the bar
options=$(wait_other_window "$win") || fail "the options window did not open"
xdotool windowactivate --sync "$options" 2>/dev/null || true
xdotool type "1"                       # replaces the selected "15"
xdotool key Return                     # Enter moves the focus to ＯＫ...
sleep 0.2
xdotool key space                      # ...which is pressed
for _ in $(seq 50); do [ -z "$(other_windows "$win")" ] && break; sleep 0.1; done
[ -z "$(other_windows "$win")" ] || fail "the options window did not close"
note "option stored"

pick_menu "$win" "$MENU_PICTURE_X" 3   # 画像 → ねまき
pick_menu "$win" "$MENU_START_X" 1     # 開始 → ３分割
sleep 0.3

bar=$(menu_bar_height "$win")
seen_reshuffle=0
moves=0
for round in $(seq 40); do
  for cell in 0 1 2 3 4 5 6 7 8; do
    before=$(xdotool getwindowname "$win")
    click_at "$win" $(((cell % 3) * 105 + 52)) $((bar + (cell / 3) * 96 + 48))
    sleep 0.2
    [ -n "$(other_windows "$win")" ] && break 2
    after=$(xdotool getwindowname "$win")
    if [ "$after" != "$before" ]; then
      moves=$((moves + 1))
      [ "$after" = "0回目" ] && seen_reshuffle=$((seen_reshuffle + 1))
    fi
  done
done
# The game-over sound plays before the question; wait for the box.
box=$(wait_other_window "$win" 60) || fail "no game over after $moves title changes"
[ "$seen_reshuffle" -ge 2 ] || fail "saw $seen_reshuffle reshuffles (0回目) before the game over"
note "game over after $seen_reshuffle reshuffles seen in the title"

xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Tab space                  # from the default はい to いいえ
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "いいえ ended the program"
wait_title_of "$win" "0回目"
[ "$(board_size "$win")" = "317x289" ] || fail "the board was not cleared"
note "いいえ: running, no board, 0回目"

pick_menu "$win" "$MENU_START_X" 6     # 開始 → 終了
box=$(wait_other_window "$win") || fail "Exit asked nothing"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return                     # はい is the default
wait_exit || fail "the program ended with a failure status"
note "はい ended the program"
echo "1 passed, 0 failed"
