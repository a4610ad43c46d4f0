#!/usr/bin/env bash
# A game played through a screen reader, read from the events it receives
# on the accessibility bus: the board takes the focus when a game starts,
# every arrow move tells the focused object where the moved tile now
# stands, the count is in the window's name, and the mail link of the about
# window is reached with Tab.
source "$(dirname "$0")/lib.sh"

LISTENER_PID=
stop_listener() {
  if [ -n "$LISTENER_PID" ]; then { kill "$LISTENER_PID"; wait "$LISTENER_PID"; } 2>/dev/null || true; fi
  LISTENER_PID=
}
trap 'stop_listener; stop_accessibility_bus; cleanup' EXIT

start_x
start_accessibility_bus

# What the screen reader was told since the mark, for the focused object.
told() { tail -n +"$((MARK + 1))" "$WORK/events" | grep ' focused=1$' | grep -qF -- "$1"; }
mark() { MARK=$(wc -l <"$WORK/events"); }

start_app_for_screen_reader

: >"$WORK/events"
/usr/bin/python3 "$(dirname "$0")/helpers/atspi_events.py" "$WORK/events" >"$WORK/listener.out" 2>&1 &
LISTENER_PID=$!
wait_for "the event listener did not start: $(cat "$WORK/listener.out")" grep -qx listening "$WORK/listener.out"

mark
pick_menu "$win" "$MENU_START" 1     # ３分割
board_focused() { told "object:state-changed:focused filler '盤'" || told "object:state-changed:focused push button 'タイル "; }
wait_for "nothing of the board took the focus when the game started: $(tail -n 5 "$WORK/events")" board_focused
note "at the start: $(tail -n +"$((MARK + 1))" "$WORK/events" | grep ' focused=1$' | tail -n 1)"

# Three arrow moves, each told to the focused object as the moved tile's
# new place or the gap's.
for move in 1 2 3; do
  wait_for "no board for the screen reader" probe board
  read -r row col < <(sed -n "s/^board .*description '空きマス (\([0-9]\) 行 \([0-9]\) 列)'$/\1 \2/p" "$WORK/probe.board")
  [ -n "$row" ] || fail "the board does not tell the gap: $(grep '^board' "$WORK/probe.board")"
  if [ "$col" -gt 1 ]; then key=Right from=$((col - 1)); else key=Left from=$((col + 1)); fi
  tile=$(sed -n "s/^tile push button 'タイル \([0-9]*\) ($row 行 $from 列)'.*/\1/p" "$WORK/probe.board")
  [ -n "$tile" ] || fail "no tile beside the gap in row $row"
  mark
  focus "$win"
  keys "$key"
  wait_title_of "$win" "${move}回目"
  moved() { told "'タイル $tile ($row 行 $col 列)'" || told "'空きマス ($row 行 $from 列)'"; }
  wait_for "move $move ($key) was not told to the focused object: $(tail -n 5 "$WORK/events")" moved
  note "move $move, $key: $(tail -n +"$((MARK + 1))" "$WORK/events" | grep ' focused=1$' | tail -n 1)"
done

# The count is the window's name, which a screen reader reads on request.
probe_has board "frame '3回目'" || fail "the count is not in the window's name: $(grep '^frame' "$WORK/probe.board")"

pick_menu "$win" "$MENU_HELP" 2      # about...
about=$(wait_other_window "$win")
focus "$about"
mark
keys Tab
wait_for "Tab did not reach the mail link: $(tail -n 5 "$WORK/events")" told "object:state-changed:focused link 'E-mail:"
note "about window: Tab reaches the mail link"
echo "1 passed, 0 failed"
