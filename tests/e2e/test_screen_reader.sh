#!/usr/bin/env bash
# A game played through a screen reader, read from the events it receives
# on the accessibility bus: the board takes the focus when a game starts,
# every arrow move tells where the moved tile now stands and the count, ?
# has the gap announced, and the mail link of the about window is reached
# with Tab.
source "$(dirname "$0")/lib.sh"

LISTENER_PID=
stop_listener() {
  if [ -n "$LISTENER_PID" ]; then { kill "$LISTENER_PID"; wait "$LISTENER_PID"; } 2>/dev/null || true; fi
  LISTENER_PID=
}
trap 'stop_listener; cleanup' EXIT

start_x

# What the screen reader was told since the mark, of the focused object or
# announced.
told() { tail -n +"$((MARK + 1))" "$WORK/events" | grep -E " focused=1$|^announced " | grep -qF -- "$1"; }
mark() { MARK=$(wc -l <"$WORK/events"); }

start_app_for_screen_reader

: >"$WORK/events"
/usr/bin/python3 "$(dirname "$0")/helpers/atspi_events.py" "$WORK/events" >"$WORK/listener.out" 2>&1 &
LISTENER_PID=$!
wait_for "the event listener did not start: $(cat "$WORK/listener.out")" grep -qx listening "$WORK/listener.out"

mark
pick_menu "$win" 開始 ３分割
board_focused() { told "object:state-changed:focused filler '盤'" || told "object:state-changed:focused push button 'タイル "; }
wait_for "nothing of the board took the focus when the game started: $(tail -n 5 "$WORK/events")" board_focused
note "at the start: $(tail -n +"$((MARK + 1))" "$WORK/events" | grep ' focused=1$' | tail -n 1)"

# Three arrow moves, each told with the moved tile's new place and the
# count: as the tile takes the focus, or announced when it has it already.
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
  moved() { told "'タイル $tile ($row 行 $col 列)' description '${move}回目'" || told "'タイル $tile ($row 行 $col 列)、${move}回目'"; }
  wait_for "move $move ($key) was not told to the focused object: $(tail -n 5 "$WORK/events")" moved
  note "move $move, $key: $(tail -n +"$((MARK + 1))" "$WORK/events" | grep -E " focused=1$|^announced " | tail -n 1)"
done

# ? has the gap announced, where the tile of the last move stood.
mark
keys question
wait_for "? did not announce the gap: $(tail -n 5 "$WORK/events")" told "announced '空きマス ($row 行 $from 列)'"
note "?: $(grep '^announced ' "$WORK/events" | tail -n 1)"

# The count is the window's name, which a screen reader reads on request.
probe_has board "frame '3回目'" || fail "the count is not in the window's name: $(grep '^frame' "$WORK/probe.board")"

pick_menu "$win" help about...
about=$(wait_other_window "$win")
focus "$about"
mark
keys Tab
wait_for "Tab did not reach the mail link: $(tail -n 5 "$WORK/events")" told "object:state-changed:focused link 'E-mail:"
note "about window: Tab reaches the mail link"
echo "1 passed, 0 failed"
