# Shared helpers of the end-to-end tests: a private X server with a window
# manager, the program under test, and ways to find and drive its windows.
set -euo pipefail

PERNOKA=${1:?usage: $0 path/to/pernoka}
unset QT_QPA_PLATFORM   # a real X server, whatever the calling shell uses
TITLE="ペルノカ Ver.0.2"
WORK=$(mktemp -d)
APP_PID=
XVFB_PID=
WM_PID=
PULSE_PID=

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

cleanup() {
  if [ -n "$APP_PID" ]; then { kill -9 "$APP_PID"; wait "$APP_PID"; } 2>/dev/null || true; fi
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$PULSE_PID" ] && kill "$PULSE_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

start_x() {
  # Xvfb picks a free display itself and reports it, so tests running side
  # by side, or a server still shutting down, never collide.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || fail "Xvfb did not start: $(tail -2 "$WORK/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$WORK/display")"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || fail "Xvfb on $DISPLAY does not answer"
  openbox >"$WORK/wm.log" 2>&1 &
  WM_PID=$!
  sleep 0.5
}

# A private PulseAudio with one null sink named $1, the default, for SDL.
start_pulse() {
  local sink=$1
  export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" PULSE_SERVER="unix:$WORK/pulse.socket"
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load="module-native-protocol-unix socket=$WORK/pulse.socket auth-anonymous=1" \
    --load="module-null-sink sink_name=$sink" --load="module-always-sink" >"$WORK/pulse.log" 2>&1 &
  PULSE_PID=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || fail "PulseAudio did not start: $(tail -3 "$WORK/pulse.log")"
  pactl set-default-sink "$sink"
  export SDL_AUDIODRIVER=pulseaudio
}

start_app() {
  "$PERNOKA" >"$WORK/app.log" 2>&1 &
  APP_PID=$!
}

# Waits until a window of the program has exactly this title; prints its id.
wait_window() {
  local title=$1 id
  for _ in $(seq 150); do
    id=$(xdotool search --all --onlyvisible --pid "$APP_PID" --name "^${title}\$" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended while waiting for \"$title\""
    sleep 0.1
  done
  fail "no window titled \"$title\""
}

# The program's visible windows other than the given one (message boxes,
# secondary windows), newest last.
other_windows() {
  xdotool search --all --onlyvisible --pid "$APP_PID" --name "." 2>/dev/null | grep -v "^$1\$" || true
}

wait_other_window() {
  local id
  for _ in $(seq "${2:-50}"); do
    id=$(other_windows "$1" | tail -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}


wait_title_of() {
  local id=$1 title=$2
  for _ in $(seq 100); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ] && return 0
    sleep 0.05
  done
  fail "window title is \"$(xdotool getwindowname "$id")\", not \"$title\""
}

wait_exit() {
  for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID"; local rc=$?; APP_PID=; return $rc; }
    sleep 0.1
  done
  fail "the program did not end"
}

# The board is the black area below the menu bar: the rows, and then the
# columns of those rows, whose every pixel is black.
board_size() {
  import -window "$1" "$WORK/shot.png"
  local w h rows top cols
  read -r w h < <(identify -format '%w %h' "$WORK/shot.png")
  rows=$(convert "$WORK/shot.png" -colorspace gray -scale "1x${h}!" -depth 8 txt:- | grep -c '#000000' || true)
  top=$((h - rows))
  [ "$rows" -gt 0 ] || { echo "0x0"; return; }
  cols=$(convert "$WORK/shot.png" -crop "${w}x${rows}+0+${top}" +repage -colorspace gray -scale "${w}x1!" -depth 8 txt:- |
    grep -c '#000000' || true)
  echo "${cols}x${rows}"
}

# Clicks at a point of a window, in the window's own coordinates.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}

# Opens a top-level menu by its place on the bar and picks an item with keys.
pick_menu() {
  local window=$1 x=$2 downs=$3
  click_at "$window" "$x" 8
  sleep 0.3
  local i
  for ((i = 0; i < downs; i++)); do xdotool key Down; done
  xdotool key Return
  sleep 0.3
}

# Menu-bar positions of the titles, and the height of the bar, in the window.
MENU_START_X=24
MENU_PICTURE_X=64
MENU_BGM_X=112
MENU_VIEW_X=156
MENU_OPTIONS_X=201
MENU_HELP_X=247

menu_bar_height() {
  local id=$1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo $((HEIGHT - 289))
}

# Presses every cell of an n × n board once, stopping when the title changes.
click_cells_until_title() {
  local id=$1 n=$2 want=$3 bar col row cellw cellh
  bar=$(menu_bar_height "$id")
  cellw=$((317 / n))
  cellh=$((289 / n))
  for row in $(seq 0 $((n - 1))); do
    for col in $(seq 0 $((n - 1))); do
      click_at "$id" $((col * cellw + cellw / 2)) $((bar + row * cellh + cellh / 2))
      sleep 0.15
      [ "$(xdotool getwindowname "$id")" = "$want" ] && return 0
    done
  done
  return 1
}
