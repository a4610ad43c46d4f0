#!/usr/bin/env bash
# Sound comes back after the sound server restarts. A private PulseAudio is
# killed in the middle of a game with music and started again: the tune must
# be heard with nothing done; then a move, ＢＧＭ → ON and a new game must
# each be heard on it. Each is tried after a restart of its own; a move made
# while the server is down comes first, as a player goes on playing meanwhile.
source "$(dirname "$0")/lib.sh"
trap stop_recorder EXIT

start_pulse e2e
start_x
start_app
win=$(wait_window "$TITLE")
start_game "$win"  # the tune starts
record before
WAIT_TRIES=600 wait_for "the tune is silent before any restart" heard_in before
stop_recording before
peak=$PEAK

# 0. Nothing done: the tune sounds again by itself.
kill_pulse
tune_heard_once_server_starts back "the tune is silent after the restart with no move made"

# Each sound is waited for on its recording, as long as a busy machine
# takes to load the audio engine; a silent one never comes.
# Kills the server, makes a move while it is away, and starts it again.
restart_server() {
  kill_pulse
  slide_a_tile "$win"
  start_pulse e2e
}

# 1. A move.
restart_server
record move
slide_a_tile "$win"
WAIT_TRIES=600 wait_for "a move after the restart is silent" heard_in move
stop_recording move
peak=$PEAK
note "after the first restart: peak $peak"

# 2. ＢＧＭ → ON.
restart_server
record on
pick_menu "$win" ＢＧＭ ON
WAIT_TRIES=600 wait_for "ＢＧＭ → ON after the restart is silent" heard_in on
stop_recording on
peak=$PEAK
note "ON after the second restart: peak $peak"

# 3. A new game.
restart_server
pick_menu "$win" 開始 リセット
wait_for "the board was not cleared" board_empty "$win"
record game
start_game "$win"
WAIT_TRIES=600 wait_for "a new game after the restart is silent" heard_in game
stop_recording game
peak=$PEAK
note "a new game after the third restart: peak $peak"
echo "1 passed, 0 failed"
