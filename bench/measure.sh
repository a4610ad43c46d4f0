#!/usr/bin/env bash
# ペルノカ beside its floors, measured in one run on a private X server with
# a window manager, printed as Markdown tables:
#   - start-up and idle memory beside a bare Qt 6 window with a menu bar
#     (bench/bare_window/), and beside the game built without its audio
#     module (the engine linked into the program);
#   - CPU with the tune playing beside the same tune rendered once and looped
#     through SDL_mixer's music hook with the game's device settings
#     (bench/pcm_loop_floor/), on SDL's silent driver and on a PulseAudio
#     null sink;
#   - memory around sound: after ＢＧＭ → OFF before any game, and after a
#     game with music, ＢＧＭ → OFF and nine idle seconds;
#   - the sound engine's own figures (bench/sound_bench.cpp) and a 6 × 6
#     start from a 24-megapixel photo.
# Every figure is the median of RUNS runs (default 5), the game and its
# floor alternating.
#   bash bench/measure.sh [build-dir]     (default: build-bench, Release)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$here/build-bench}
plain=$build-nomodule
runs=${RUNS:-5}
jobs=$(nproc)
for tree in "$build:ON" "$plain:OFF"; do
  cmake -S "$here" -B "${tree%:*}" -DCMAKE_BUILD_TYPE=Release -DPERNOKA_TESTS=OFF -DPERNOKA_BENCH=ON \
    -DPERNOKA_AUDIO_MODULE="${tree#*:}" >/dev/null
done
cmake --build "$build" -j"$jobs" --target pernoka bare_qt_window board_start_bench sound_bench pcm_loop_floor \
  render_tune >/dev/null
cmake --build "$plain" -j"$jobs" --target pernoka >/dev/null

game=$build/app/pernoka
unloaded=$plain/app/pernoka
bare=$build/bench/bare_qt_window
floor=$build/bench/pcm_loop_floor
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

ticks=$(getconf CLK_TCK)
now_ms() { echo $(($(date +%s%N) / 1000000)); }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
mb() { awk -v k="$1" 'BEGIN {printf "%.1f MB", k / 1024}'; }
signed_mb() { awk -v k="$1" 'BEGIN {printf "%+.1f MB", k / 1024}'; }

# CPU per cent of one core over a number of seconds.
cpu_percent() {
  local pid=$1 seconds=$2 before after
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN {printf "%.2f\n", 100 * d / t / s}'
}

# Milliseconds from exec to the first top-level window mapped on the screen.
startup_ms() {
  local program=$1 t0 t1 pid xev_pid
  xev -root -event substructure >"$work/xev" 2>/dev/null &
  xev_pid=$!
  sleep 0.3
  t0=$(now_ms)
  "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 2000); do grep -q '^MapNotify' "$work/xev" && break; sleep 0.002; done
  t1=$(now_ms)
  kill "$xev_pid" 2>/dev/null
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  echo $((t1 - t0))
}

# Starts the game and waits for its window; sets pid and window.
start_game() {
  "$1" >/dev/null 2>&1 &
  pid=$!
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" --name . 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
}
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

# The menus by keyboard: Alt, Right to the title, Down to the item.
pick() {
  local place=$1 item=$2 i moves=(alt)
  for ((i = 0; i < place; i++)); do moves+=(Right); done
  for ((i = 0; i < item; i++)); do moves+=(Down); done
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key --delay 80 "${moves[@]}" Return
  sleep 0.3
}
pantira() { pick 1 2; }
start_3x3() { pick 0 1; }
bgm_on() { pick 2 1; }
bgm_off() { pick 2 2; }

# --- Start-up and idle, music off: the game, the game without its module, the bare window.
# Start-ups take turns, after one round unrecorded that brings every
# library into the page cache, so a noisy spell or a cold cache weighs on
# all three alike.
declare -A startup idle_rss idle_cpu
for name in game unloaded bare; do startup_ms "${!name}" >/dev/null; done
for _ in $(seq "$runs"); do
  for name in game unloaded bare; do startup_ms "${!name}" >>"$work/startup_$name"; done
done
for name in game unloaded bare; do
  startup[$name]=$(median <"$work/startup_$name")
  start_game "${!name}"
  sleep 2
  idle_cpu[$name]=$(cpu_percent "$pid" 10)
  idle_rss[$name]=$(kb "$pid" VmRSS)
  stop "$pid"
done

# --- Memory around sound.
: >"$work/off_first" >"$work/after_music" >"$work/after_silent" >"$work/music_rss"
for _ in $(seq "$runs"); do
  # ＢＧＭ → OFF before any game.
  start_game "$game"
  before=$(kb "$pid" VmRSS)
  bgm_off
  sleep 2
  echo $(($(kb "$pid" VmRSS) - before)) >>"$work/off_first"
  stop "$pid"
  # A game with music, then OFF and nine idle seconds; and the same game
  # silent throughout, for what the picture and the tiles cost by themselves.
  for kind in music silent; do
    start_game "$game"
    [ "$kind" = silent ] && bgm_off
    pantira
    sleep 1
    before=$(kb "$pid" VmRSS)
    start_3x3
    sleep 6
    [ "$kind" = music ] && kb "$pid" VmRSS >>"$work/music_rss"
    bgm_off
    sleep 9
    echo $(($(kb "$pid" VmRSS) - before)) >>"$work/after_$kind"
    stop "$pid"
  done
done
off_first=$(median <"$work/off_first")
after_music=$(median <"$work/after_music")
after_silent=$(median <"$work/after_silent")
music_rss=$(median <"$work/music_rss")

# --- CPU with the tune playing, beside its floor.
tune_render=$("$build/bench/render_tune" "$here/data/QUIL9702.mid" "$work/tune.raw")
declare -A music_cpu floor_cpu
measure_music() {
  local driver=$1
  : >"$work/game_cpu" >"$work/floor_cpu"
  for _ in $(seq "$runs"); do
    start_game "$game"
    pantira
    start_3x3
    sleep 4   # the tune rendered and playing
    cpu_percent "$pid" 20 >>"$work/game_cpu"
    stop "$pid"
    "$floor" "$work/tune.raw" &
    pid=$!
    sleep 2
    cpu_percent "$pid" 20 >>"$work/floor_cpu"
    stop "$pid"
  done
  music_cpu[$driver]=$(median <"$work/game_cpu")
  floor_cpu[$driver]=$(median <"$work/floor_cpu")
}
SDL_AUDIODRIVER=dummy measure_music dummy

# A private PulseAudio with a null sink, as a desktop would have.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PULSE_SERVER="unix:$work/pulse.socket"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  --load="module-native-protocol-unix socket=$work/pulse.socket auth-anonymous=1" \
  --load="module-null-sink sink_name=bench" --load="module-always-sink" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink bench
SDL_AUDIODRIVER=pulseaudio measure_music pulseaudio

# --- The engine's own figures, and a big photo.
export SDL_AUDIODRIVER=dummy
sound_json=$("$build/bench/sound_bench" --benchmark_format=json 2>/dev/null)
figure() { # name of a benchmark, then of a field (real_time or a counter)
  printf '%s' "$sound_json" | python3 -c "
import json, sys
runs = [b for b in json.load(sys.stdin)['benchmarks'] if b['name'].split('/')[0] == '$1' and b.get('run_type') != 'aggregate']
print('%.1f' % runs[0]['$2'] if runs else 'n/a')"
}
photo=$(QT_QPA_PLATFORM=offscreen "$build/bench/board_start_bench" --benchmark_filter=24Megapixel \
  --benchmark_format=csv 2>/dev/null | awk -F, '/24Megapixel/ {printf "%.0f", $3}')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
target() { # game, floor: ≤ max(1.5 × floor, floor + 0.3 points)
  awk -v f="$1" 'BEGIN {t = 1.5 * f; if (f + 0.3 > t) t = f + 0.3; printf "%.2f", t}'
}

cat <<TABLE
Start-up and idle, music off (medians of $runs):

| Figure | ペルノカ | without its audio module | bare Qt 6 window |
|---|---|---|---|
| start-up to the mapped window | ${startup[game]} ms | ${startup[unloaded]} ms | ${startup[bare]} ms |
| idle resident memory | $(mb "${idle_rss[game]}") | $(mb "${idle_rss[unloaded]}") | $(mb "${idle_rss[bare]}") |
| CPU while idle | ${idle_cpu[game]} % | ${idle_cpu[unloaded]} % | ${idle_cpu[bare]} % |

The tune playing in a 3 × 3 game, CPU of one core (medians of $runs), beside the
floor, the same tune rendered once and looped through SDL_mixer's music hook:

| Driver | ペルノカ | floor | ratio | target |
|---|---|---|---|---|
| SDL dummy | ${music_cpu[dummy]} % | ${floor_cpu[dummy]} % | $(ratio "${music_cpu[dummy]}" "${floor_cpu[dummy]}") | ≤ $(target "${floor_cpu[dummy]}") % |
| PulseAudio null sink | ${music_cpu[pulseaudio]} % | ${floor_cpu[pulseaudio]} % | $(ratio "${music_cpu[pulseaudio]}" "${floor_cpu[pulseaudio]}") | ≤ $(awk -v f="${floor_cpu[pulseaudio]}" 'BEGIN {printf "%.2f", 1.3 * f}') % |

Memory around sound (medians of $runs):

| Figure | change | target |
|---|---|---|
| ＢＧＭ → OFF before any game | $(signed_mb "$off_first") | ≤ +3 MB |
| a 3 × 3 game with music, ＢＧＭ → OFF, 9 s idle, over the RSS before its start | $(signed_mb "$after_music") | ≤ +12 MB |
| the same game silent throughout | $(signed_mb "$after_silent") | |
| resident memory while the tune plays | $(mb "$music_rss") | |

The sound engine (SDL's disk driver) and the board:

| Figure | value |
|---|---|
| the whole tune rendered once | $(echo "$tune_render" | awk '{for (i = 1; i <= NF; i++) {split($i, kv, "="); v[kv[1]] = kv[2]}} END {printf "%.1f s of music in %.2f s of CPU", v["seconds"], v["cpu"]}') |
| first notes after MidiPlay, tune rendered ahead | $(figure BM_FirstNotePrepared real_time) ms |
| first notes after MidiPlay, tune rendered then (soundfont loaded first) | $(figure BM_FirstNoteCold real_time) ms |
| MidiPlay itself, tune rendered | $(figure BM_MidiPlayWarm real_time) µs |
| gap between two passes, one-second click tune (mean / largest) | $(figure BM_LoopGapClickTune gap_mean_ms) / $(figure BM_LoopGapClickTune gap_max_ms) ms |
| gap between two passes, the game's tune | $(figure BM_LoopGapRealTune gap_ms) ms |
| 6 × 6 start from a 24-megapixel JPEG | ${photo} ms |
TABLE
