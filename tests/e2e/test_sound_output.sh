#!/usr/bin/env bash
# Sound reaches a real sound server: a private PulseAudio with a null sink,
# whose monitor is recorded. First the tune ("ＢＧＭ" → "ON" starts it), then,
# from a copy of the program without its tune, the click of a move alone.
source "$(dirname "$0")/lib.sh"

trap stop_recorder EXIT

start_pulse e2e

start_x

# 1. The tune.
start_app
win=$(wait_window "$TITLE")
record quiet
# The program is asked for nothing: a second of its silence.
wait_for "the recording does not grow" recorded_past quiet 1
stop_recording quiet
peak=$PEAK
loud "$peak" && fail "sound before any was asked for (peak $peak)"
record tune
pick_menu "$win" ＢＧＭ ON  # starts the tune
# Loading the audio engine and the soundfont takes what the machine gives
# it: the tune is waited for, then heard on for a second.
WAIT_TRIES=600 wait_for "the tune is silent" heard_in tune
record_on_for tune 1
stop_recording tune
peak=$PEAK
loud "$peak" || fail "the tune is silent (peak $peak)"
note "tune peak $peak"
{ kill -9 "$APP_PID"; wait "$APP_PID"; } 2>/dev/null || true
APP_PID=

# 2. The click, from a program folder that has no tune.
use_program_without_tune
start_app
win=$(wait_window "$TITLE")
start_game "$win"
record clicks
slide_a_tile "$win"
# The device, closed while nothing sounds, opens with this first click, and
# the recording lags a little behind: two seconds past the move hold it.
past=$(awk -v s="$(recorded_seconds clicks)" 'BEGIN { print s + 2 }')
wait_for "the recording does not grow" recorded_past clicks "$past"
stop_recording clicks
peak=$PEAK
loud "$peak" || fail "the click is silent (peak $peak); the program said: $(tail -n 3 "$WORK/app.log")"
# The whole click, its loudest part included, not just its tail.
own=$(peak_of "$WORK/app/Pop.wav")
awk -v p="$peak" -v o="$own" 'BEGIN { exit !(p >= 0.9 * o) }' || fail "the click was cut (peak $peak of $own)"
note "click peak $peak of $own"
echo "1 passed, 0 failed"
