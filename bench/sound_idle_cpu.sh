#!/usr/bin/env bash
# CPU use of the running program while nobody touches it: just started, with
# the tune on (ＢＧＭ → ON) and off (ＢＧＭ → OFF), each over SECONDS_PER_CASE
# (default 30).
# Sound goes to a private PulseAudio null sink, as on a desktop; set
# SDL_AUDIODRIVER=dummy beforehand to measure the silent fallback instead.
#   bench/sound_idle_cpu.sh path/to/pernoka
source "$(dirname "$0")/../tests/e2e/lib.sh"
SECONDS_PER_CASE=${SECONDS_PER_CASE:-30}

PULSE_PID=
stop_pulse() {
  [ -n "$PULSE_PID" ] && kill "$PULSE_PID" 2>/dev/null || true
  cleanup
}
trap stop_pulse EXIT

if [ "${SDL_AUDIODRIVER:-}" != dummy ]; then
  export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" PULSE_SERVER="unix:$WORK/pulse.socket"
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load="module-native-protocol-unix socket=$WORK/pulse.socket auth-anonymous=1" \
    --load="module-null-sink sink_name=bench" --load="module-always-sink" >"$WORK/pulse.log" 2>&1 &
  PULSE_PID=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || fail "PulseAudio did not start"
  export SDL_AUDIODRIVER=pulseaudio
fi

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
pick_menu "$win" "$MENU_BGM_X" 1   # ＢＧＭ → ON
measure "music on" 2
pick_menu "$win" "$MENU_BGM_X" 2   # ＢＧＭ → OFF
measure "music off" 7              # the device closes 5 s after the last sound
