#!/usr/bin/env bash
# CPU use of the running program while nobody touches it: just started, with
# the tune on (ＢＧＭ → ON) and off (ＢＧＭ → OFF), each over SECONDS_PER_CASE
# (default 30).
# Sound goes to a private PulseAudio null sink, as on a desktop; set
# SDL_AUDIODRIVER=dummy beforehand to measure the silent fallback instead.
#   bench/sound_idle_cpu.sh path/to/pernoka
source "$(dirname "$0")/../tests/e2e/lib.sh"
SECONDS_PER_CASE=${SECONDS_PER_CASE:-30}

[ "${SDL_AUDIODRIVER:-}" = dummy ] || start_pulse bench

# Clock ticks of user and system time the process has used.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

measure() {
  local label=$1 settle=$2 before after
  sleep "$settle"
  before=$(cpu_ticks "$APP_PID")
  sleep "$SECONDS_PER_CASE"
  after=$(cpu_ticks "$APP_PID")
  awk -v label="$label" -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$SECONDS_PER_CASE" \
    'BEGIN { printf "%-10s %6.2f %% of one core (%d ticks in %d s, driver %s)\n", label, 100 * d / hz / s, d, s, ENVIRON["SDL_AUDIODRIVER"] }'
}

start_x
start_app
win=$(wait_window "$TITLE")
measure "untouched" 2              # no sound yet: no audio device open
pick_menu "$win" "$MENU_BGM" 1   # ＢＧＭ → ON
measure "music on" 2
pick_menu "$win" "$MENU_BGM" 2   # ＢＧＭ → OFF
measure "music off" 7              # the device closes 5 s after the last sound
