#!/usr/bin/env bash
# Sound comes back by itself. A game starts with no sound server at all and
# a first move plays into silence; once a private PulseAudio starts, the
# next move is heard (from a copy of the program without its tune, the click
# alone), and with the tune, the tune is heard with no move made. Then the
# server is frozen (SIGSTOP) in the game with music: ten moves do not wait
# on it one by one, the menu opens, and once the server runs again the tune
# is heard with no move made.
# The times printed are the figures of a run, not limits.
source "$(dirname "$0")/lib.sh"
trap '[ -n "$PULSE_PID" ] && kill -CONT "$PULSE_PID" 2>/dev/null; stop_recorder' EXIT


pulse_environment
start_x

# 1. From a copy of the program without its tune: the first sound, a move,
# comes with no server.
full=$PERNOKA
use_program_without_tune
start_app
win=$(wait_window "$TITLE")
start_game "$win"
slide_a_tile "$win"
wait_title_of "$win" "1回目"
start_pulse e2e
record click
# The program learns of the server from its socket a moment after it
# appears: a move made before then still plays into silence.
for moves in 1 2 3 4 5; do
  slide_a_tile "$win"
  WAIT_TRIES=20 wait_for_quietly heard_in click && break
done
record_on_for click 1
stop_recording click
peak=$PEAK
own=$(peak_of "$WORK/app/Pop.wav")
awk -v p="$peak" -v o="$own" 'BEGIN { exit !(p >= 0.9 * o) }' ||
  fail "no move after the server started is heard whole (peak $peak of $own after $moves); the program said: $(tail -n 3 "$WORK/app.log")"
note "a move after the server started: peak $peak of $own, at move $moves"
kill_app
kill_pulse

# 2. The program itself, its tune starting with no server: once a server
# starts, the tune is heard with no move made.
PERNOKA=$full
start_app
win=$(wait_window "$TITLE")
start_game "$win"
tune_heard_once_server_starts tune "the tune did not come back once the server started"

# 3. The server frozen in the game with music: ten moves by key, each a
# slide back and forth beside the gap.
read -r col row < <(gap_cell "$win")
if [ "$col" -gt 0 ]; then there=Right back=Left; else there=Left back=Right; fi
kill -STOP "$PULSE_PID"
focus "$win"
frozen=$(now)
xdotool key --delay 60 $there $back $there $back $there $back $there $back $there $back
wait_title_of "$win" "10回目"
note "ten moves with the server frozen took $(since "$frozen") s (0.6 s of them typing)"
# The menu still opens: 表示 shows the picture, Esc closes it.
pick_menu "$win" 表示
view=$(wait_other_window "$win") || fail "the picture view did not open with the server frozen"
focus "$view"
keys Escape
wait_alone "$win" "the picture view did not close"

# 4. The server runs again: the tune, with no move made, then a move.
kill -CONT "$PULSE_PID"
thawed=$(now)
record thawed
WAIT_TRIES=600 wait_for "the tune did not come back once the server ran again" heard_in thawed
note "the tune heard $(since "$thawed") s after the server ran again"
stop_recording thawed
slide_a_tile "$win"
wait_title_of "$win" "11回目"
program_running || fail "the program ended"
echo "1 passed, 0 failed"
