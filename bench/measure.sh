#!/usr/bin/env bash
# Start-up time, memory and idle CPU of ペルノカ beside a bare Qt 6 window with
# a menu bar, measured in the same run on a private X server, plus the time
# to start a 6 × 6 game from a 24-megapixel photo. Prints a Markdown table.
#   bash bench/measure.sh [build-dir]     (default: build-bench, Release)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$here/build-bench}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPERNOKA_TESTS=OFF -DPERNOKA_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target pernoka bare_qt_window board_start_bench synth_render_bench >/dev/null

game=$build/app/pernoka
bare=$build/bench/bare_qt_window
runs=${RUNS:-7}
work=$(mktemp -d)
export SDL_AUDIODRIVER=dummy   # the same on every machine; the synth still runs
xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

ticks=$(getconf CLK_TCK)
now_ms() { echo $(($(date +%s%N) / 1000000)); }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# Milliseconds from exec to the first top-level window mapped on the screen.
startup_ms() {
  local program=$1 t0 t1 pid
  xev -root -event substructure >"$work/xev" 2>/dev/null &
  local xev_pid=$!
  sleep 0.3
  t0=$(now_ms)
  "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 2000); do grep -q '^MapNotify' "$work/xev" && break; sleep 0.002; done
  t1=$(now_ms)
  kill "$xev_pid" 2>/dev/null
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  echo $((t1 - t0))
}

# CPU per cent of one core over a number of seconds.
cpu_percent() {
  local pid=$1 seconds=$2 before after
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN {printf "%.1f", 100 * d / t / s}'
}

declare -A result
for name in game bare; do
  program=${!name}
  for _ in $(seq "$runs"); do startup_ms "$program"; done | median >"$work/startup"
  result[$name.startup]=$(cat "$work/startup")

  "$program" >/dev/null 2>&1 &
  pid=$!
  sleep 3
  result[$name.idle_cpu]=$(cpu_percent "$pid" 10)
  result[$name.idle_rss]=$(kb "$pid" VmRSS)
  if [ "$name" = game ]; then
    window=$(xdotool search --onlyvisible --pid "$pid" --name . | head -n 1)
    xdotool mousemove --window "$window" 112 8 click 1   # ＢＧＭ → ON
    sleep 0.5
    xdotool key Down Return
    sleep 3
    result[game.music_cpu]=$(cpu_percent "$pid" 10)
    result[game.music_rss]=$(kb "$pid" VmRSS)
  fi
  result[$name.peak_rss]=$(kb "$pid" VmHWM)
  kill "$pid"; wait "$pid" 2>/dev/null || true
done

synth=$("$build/bench/synth_render_bench" --benchmark_format=json 2>/dev/null |
  awk -F': ' '/"cpu_percent"/ {gsub(/[ ,]/, "", $2); printf "%.1f", $2}')
photo=$("$build/bench/board_start_bench" --benchmark_filter=24Megapixel --benchmark_format=csv 2>/dev/null |
  awk -F, '/24Megapixel/ {printf "%.0f", $3}')
mb() { awk -v k="$1" 'BEGIN {printf "%.1f MB", k / 1024}'; }

cat <<TABLE
| Figure | ペルノカ | bare Qt 6 window | target |
|---|---|---|---|
| start-up to the mapped window (median of $runs) | ${result[game.startup]} ms | ${result[bare.startup]} ms | ≤ 1.3 × bare |
| idle resident memory, music off | $(mb "${result[game.idle_rss]}") | $(mb "${result[bare.idle_rss]}") | ≤ bare + 10 MB |
| idle resident memory, music on | $(mb "${result[game.music_rss]}") | — | ≤ bare + 25 MB |
| peak resident memory | $(mb "${result[game.peak_rss]}") | $(mb "${result[bare.peak_rss]}") | |
| CPU while idle, music off | ${result[game.idle_cpu]} % | ${result[bare.idle_cpu]} % | 0 |
| CPU while idle, music on | ${result[game.music_cpu]} % | — | ≤ the synthesizer's own: ${synth} % |
| 6 × 6 start from a 24-megapixel JPEG | ${photo} ms | — | |
TABLE
