#!/usr/bin/env bash
# Sound reaches a real sound server: a private PulseAudio with a null sink,
# whose monitor is recorded. First the tune ("ＢＧＭ" → "ON" starts it), then,
# from a copy of the program without its tune, the click of a move alone.
source "$(dirname "$0")/lib.sh"

RECORD_PID=
stop_recorder() {
  [ -n "$RECORD_PID" ] && kill "$RECORD_PID" 2>/dev/null || true
  cleanup
}
trap stop_recorder EXIT

start_pulse e2e

# Peak level of a recording, 0 to 1.
record() {
  parecord --device=e2e.monitor --latency-msec=20 --process-time-msec=20 --file-format=wav "$WORK/$1.wav" &
  RECORD_PID=$!
  sleep 0.3
}
stop_recording() {
  kill -INT "$RECORD_PID" 2>/dev/null || true
  wait "$RECORD_PID" 2>/dev/null || true
  RECORD_PID=
  [ -n "${E2E_DEBUG:-}" ] && sox "$WORK/$1.wav" -n stat >&2
  sox "$WORK/$1.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}
loud() { awk -v peak="$1" 'BEGIN { exit !(peak > 0.02) }'; }

start_x

# 1. The tune.
start_app
win=$(wait_window "$TITLE")
sleep 0.5
record quiet
sleep 1
peak=$(stop_recording quiet)
loud "$peak" && fail "sound before any was asked for (peak $peak)"
record tune
pick_menu "$win" "$MENU_BGM_X" 1        # ＢＧＭ → ON starts the tune
sleep 6
peak=$(stop_recording tune)
loud "$peak" || fail "the tune is silent (peak $peak)"
note "tune peak $peak"
{ kill -9 "$APP_PID"; wait "$APP_PID"; } 2>/dev/null || true
APP_PID=

# 2. The click, from a program folder that has no tune.
cp -r "$(dirname "$PERNOKA")" "$WORK/app"
rm "$WORK/app/QUIL9702.mid"
PERNOKA="$WORK/app/$(basename "$PERNOKA")"
start_app
win=$(wait_window "$TITLE")
sleep 0.5
pick_menu "$win" "$MENU_PICTURE_X" 2   # 画像 → パンチラ
pick_menu "$win" "$MENU_START_X" 1     # 開始 → ３分割
sleep 1
record clicks
click_cells_until_title "$win" 3 "1回目" || fail "no tile moved"
# The device (closed while nothing sounds) opens with this first click, and
# the recording lags a little behind: give both time.
sleep 2
peak=$(stop_recording clicks)
loud "$peak" || fail "the click is silent (peak $peak)"
note "click peak $peak"
echo "1 passed, 0 failed"
