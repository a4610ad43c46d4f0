# Shared helpers of the end-to-end tests: a private X server with a window
# manager, the program under test, and ways to find and drive its windows.
# Every wait is for a condition, polled until a generous limit. The program
# runs on a private accessibility bus, through which the helpers find menu
# items by caption and read the board by the names a screen reader hears;
# menus are then worked with the keyboard, so no helper depends on where a
# font or a theme puts anything.
set -Eeuo pipefail
# A command that fails where nobody checks it ends the test: say which. A
# command substitution reports only through the line that uses it, so a
# message about a file not yet written is no false alarm.
trap '[ "$BASH_SUBSHELL" = 0 ] && echo "FAIL: ${BASH_SOURCE[0]}:$LINENO: \"$BASH_COMMAND\" exited with $?" >&2' ERR

PERNOKA=${1:?usage: $0 path/to/pernoka [helper folder]}
# This folder, whatever the current one becomes.
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The folder of the small programs some tests run beside the game.
HELPERS=${2:-}
unset QT_QPA_PLATFORM   # a real X server, whatever the calling shell uses
TITLE="ペルノカ Ver.0.2"
# The board below the menu bar, in pixels.
BOARD_W=317
BOARD_H=289
EMPTY_BOARD="${BOARD_W}x${BOARD_H}"
# The start commands by grid size.
GRID=([3]=３分割 [4]=４分割 [5]=５分割 [6]=６分割)

WORK=$(mktemp -d)
APP_PID=
XVFB_PID=
WM_PID=
PULSE_PID=

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

cleanup() {
  stop_accessibility_bus
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$PULSE_PID" ] && kill "$PULSE_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# Runs the command until it succeeds, for at most $WAIT_TRIES tenths of a
# second (default 150); tells whether it came to.
wait_for_quietly() {
  local i
  for ((i = 0; i < ${WAIT_TRIES:-150}; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Runs the command with its output out of the way, for the waits above.
silently() { "$@" >/dev/null 2>&1; }

# The same, failing the test with the description if it never does.
wait_for() {
  local what=$1
  shift
  wait_for_quietly "$@" || fail "$what"
}

program_running() { [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; }

start_x() {
  # Xvfb picks a free display itself and reports it, so tests running side
  # by side, or a server still shutting down, never collide. Without
  # -noreset it would start afresh once its first client (the check below)
  # leaves, and turn the next one away meanwhile.
  Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1024x768}x24" -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  wait_for_quietly test -s "$WORK/display" || fail "Xvfb did not start: $(tail -2 "$WORK/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$WORK/display")"
  wait_for "Xvfb on $DISPLAY does not answer" silently xdpyinfo
  openbox >"$WORK/wm.log" 2>&1 &
  WM_PID=$!
  wait_for_quietly silently wmctrl -m || fail "the window manager did not start: $(cat "$WORK/wm.log")"
}

# A private PulseAudio with one null sink named $1, the default, for SDL.
# Without rewinds: a sink that rewinds hands its monitor two-second blocks
# mixed before a new stream came, so a short sound's start could be missing
# from the recording.
start_pulse() {
  local sink=$1
  pulse_environment
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --load="module-native-protocol-unix socket=$WORK/pulse.socket auth-anonymous=1" \
    --load="module-null-sink sink_name=$sink norewinds=1" --load="module-always-sink" >"$WORK/pulse.log" 2>&1 &
  PULSE_PID=$!
  WAIT_TRIES=50 wait_for_quietly silently pactl info || fail "PulseAudio did not start: $(tail -3 "$WORK/pulse.log")"
  pactl set-default-sink "$sink"
}
# Where start_pulse's server will be, for a program started before it.
pulse_environment() {
  export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" PULSE_SERVER="unix:$WORK/pulse.socket"
  export SDL_AUDIODRIVER=pulseaudio
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}

# Starts the program with its accessibility on, on the test's own bus, and
# reads its menu bar meanwhile, the first time this program runs in the
# test.
MENUS_PID=
start_app() {
  [ -n "$BUS_PID" ] || start_accessibility_bus
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PERNOKA" "$@" >"$WORK/app.log" 2>&1 &
  APP_PID=$!
  stop_reading_menus  # of a program started before, which may have gone
  if [ ! -s "$(menu_file)" ]; then
    read_menus "$(menu_file)" &
    MENUS_PID=$!
  fi
}
stop_reading_menus() {
  if [ -n "$MENUS_PID" ]; then { kill "$MENUS_PID"; wait "$MENUS_PID"; } 2>/dev/null || true; fi
  MENUS_PID=
}

# The newest visible window of the program with exactly this title, if any.
find_window() {
  xdotool search --all --onlyvisible --pid "$APP_PID" --name "^${1}\$" 2>/dev/null | tail -n 1
}

# Waits until a window of the program has exactly this title, and the
# program has painted it; prints its id.
wait_window() {
  local title=$1 id=
  window_up() {
    program_running || fail "the program ended while waiting for \"$title\""
    id=$(find_window "$title")
    [ -n "$id" ] && import -window "$id" "$WORK/painted.png" 2>/dev/null
  }
  wait_for "no window titled \"$title\"" window_up
  echo "$id"
}

# The program's visible windows other than the given one (message boxes,
# secondary windows), newest last.
other_windows() {
  xdotool search --all --onlyvisible --pid "$APP_PID" --name "." 2>/dev/null | grep -v "^$1\$" || true
}

# Waits for another window of the program to come up; prints its id.
wait_other_window() {
  local main=$1 id=
  other_up() { id=$(other_windows "$main" | tail -n 1); [ -n "$id" ]; }
  WAIT_TRIES=${2:-150} wait_for "no window came up beside the main window" other_up
  echo "$id"
}

no_other_window() { [ -z "$(other_windows "$1")" ]; }

# Waits until only the main window is left.
wait_alone() { wait_for "${2:-a window stayed open}" no_other_window "$1"; }

title_is() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }

wait_title_of() {
  wait_for "window title is \"$(xdotool getwindowname "$1")\", not \"$2\"" title_is "$1" "$2"
}

title_changed_from() { ! title_is "$1" "$2"; }

wait_exit() {
  program_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
  wait_for "the program did not end" program_ended
  local rc=0
  wait "$APP_PID" || rc=$?
  APP_PID=
  return $rc
}

# Gives the window the keyboard focus.
focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || true
  xdotool windowfocus --sync "$1" 2>/dev/null || true
}

# Keys to the focused window, a little apart so each is handled before the next.
keys() { xdotool key --delay 60 "$@"; }

# The colour of selected text in Qt's Fusion style.
SELECTION_COLOUR="#308CC6"
text_selected_in() {
  local colours
  import -window "$1" "$WORK/selection.png" 2>/dev/null || return 1
  colours=$(convert "$WORK/selection.png" -format %c histogram:info:-) || return 1
  grep -qi "$SELECTION_COLOUR" <<<"$colours"
}
no_text_selected_in() { ! text_selected_in "$1"; }

# Types one digit into the options window, whose box opens with its "15"
# selected. A key that comes before the window is ready for keys is lost,
# so the digit goes again until the selection is gone, which only a key
# that replaced it can do.
type_option_digit() {
  local id=$1 digit=$2 attempt
  wait_for "the options box shows no selected number" text_selected_in "$id"
  for attempt in 1 2 3 4 5; do
    focus "$id"
    keys "$digit"
    WAIT_TRIES=10 wait_for_quietly no_text_selected_in "$id" && return 0
  done
  fail "the options box did not take $digit"
}

# The program's menu bar as the keyboard walks it (atspi_probe.py menus),
# kept in this file for each program under test.
menu_file() { echo "$WORK/menus.$(tr -c 'a-zA-Z0-9' _ <<<"$PERNOKA")"; }
# Each reader writes a file of its own, then puts it in place whole.
read_menus() {
  local own="$1.$BASHPID"
  menus_read() { PERNOKA_PID=$APP_PID /usr/bin/python3 "$E2E_DIR/helpers/atspi_probe.py" menus >"$own" 2>"$1.err" && [ -s "$own" ]; }
  wait_for_quietly menus_read "$1" && mv "$own" "$1"
}
# Leaves the file's name in MENU_LAYOUT once the menu bar has been read.
# The reader start_app began is waited for; a command substitution's
# subshell, which cannot wait for its parent's child, waits for its end.
menu_layout() {
  MENU_LAYOUT=$(menu_file)
  if [ -n "$MENUS_PID" ]; then
    reader_done() { [ -s "$MENU_LAYOUT" ] || ! kill -0 "$MENUS_PID" 2>/dev/null; }
    wait "$MENUS_PID" 2>/dev/null || wait_for_quietly reader_done || true
    MENUS_PID=
  fi
  [ -s "$MENU_LAYOUT" ] || read_menus "$MENU_LAYOUT" ||
    fail "no menu bar on the accessibility bus: $(cat "$MENU_LAYOUT.err" 2>/dev/null)"
}

# Picks a menu item by its caption with the keyboard: Alt, Right to its
# title, Down to the item, Enter. Without an item, the title itself: a
# command that stands right on the bar.
pick_menu() {
  local window=$1 title=$2 item=${3:-} place number i
  menu_layout
  read -r place number < <(awk -v want="$title${item:+/$item}" \
    '{ name = $0; sub(/^[0-9]+ [0-9]+ /, "", name) } name == want { print $1, $2; exit }' "$MENU_LAYOUT")
  [ -n "$place" ] || fail "no menu item \"$title${item:+ → $item}\": $(tr '\n' ' ' <"$MENU_LAYOUT")"
  local moves=(alt)
  for ((i = 0; i < place; i++)); do moves+=(Right); done
  for ((i = 0; i < number; i++)); do moves+=(Down); done
  moves+=(Return)
  focus "$window"
  keys "${moves[@]}"
}

# Chooses a picture and a grid with the menus (パンチラ on ３分割 unless
# told) and waits until the board shows its tiles.
start_game() {
  pick_menu "$1" 画像 "${2:-パンチラ}"
  pick_menu "$1" 開始 "${3:-３分割}"
  wait_for "no tiles on the board" board_out "$1"
}

# Answers the newest message box with the keys given (Return: its default
# button) and waits until it has gone.
answer_box() {
  local main=$1 what=$2 box
  shift 2
  box=$(wait_other_window "$main") || fail "$what: no message box"
  focus "$box"
  keys "$@"
  wait_alone "$main" "$what: the box did not close"
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

board_is() { [ "$(board_size "$1")" = "$2" ]; }

menu_bar_height() {
  local id=$1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo $((HEIGHT - BOARD_H))
}

# The board as a screen reader finds it (atspi_probe.py cells) into
# $WORK/probe.cells: the gap, and each tile with its cell and its place on
# the screen.
read_board() { PERNOKA_PID=$APP_PID probe cells; }
tile_count() { grep -c '^tile ' "$WORK/probe.cells" || true; }
# Whether a board is out, or none.
board_out() { read_board && grep -q '^gap ' "$WORK/probe.cells" && [ "$(tile_count)" -gt 0 ]; }
board_empty() { read_board && [ "$(tile_count)" = 0 ] && ! grep -q '^gap ' "$WORK/probe.cells"; }

# The gap of the board: "column row", counted from 0.
gap_cell() {
  wait_for_quietly board_out "$1" || fail "no gap on the board: $(cat "$WORK/probe.cells" "$WORK/probe.err" 2>/dev/null)"
  sed -n 's/^gap //p' "$WORK/probe.cells"
}

# Slides a tile with an arrow key and waits for the title
# to change, as a counted move makes it. A vertical arrow when asked for
# (the second argument "vertical"), a horizontal one otherwise; of the two,
# the one that has a tile to move.
slide_by_key() {
  local id=$1 way=${2:-horizontal} col row key before
  read -r col row < <(gap_cell "$id")
  if [ "$way" = vertical ]; then
    if [ "$row" -gt 0 ]; then key=Down; else key=Up; fi      # the tile above moves down
  else
    if [ "$col" -gt 0 ]; then key=Right; else key=Left; fi   # the tile on the left moves right
  fi
  before=$(xdotool getwindowname "$id")
  focus "$id"
  keys "$key"
  wait_for "$key did not move a tile (gap at column $col, row $row)" title_changed_from "$id" "$before"
}

# Clicks the tile beside the gap, towards the middle of the board, in the
# middle of where it stands on the screen, and waits for the title to
# change, as a counted move makes it.
slide_a_tile() {
  local id=$1 col row x y w h before
  read -r col row < <(gap_cell "$id")
  if [ "$col" -gt 0 ]; then col=$((col - 1)); else col=$((col + 1)); fi
  read -r x y w h < <(awk -v c="$col" -v r="$row" '$1 == "tile" && $3 == c && $4 == r { print $5, $6, $7, $8 }' \
    "$WORK/probe.cells")
  [ -n "$h" ] || fail "no tile beside the gap: $(cat "$WORK/probe.cells")"
  before=$(xdotool getwindowname "$id")
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  wait_for "the tile at column $col, row $row did not move" title_changed_from "$id" "$before"
}

# A private session bus with its accessibility bus, which start_app starts
# for the program. Both go, with the program, when stop_accessibility_bus
# or cleanup runs.
BUS_PID=
A11Y_PID=
start_accessibility_bus() {
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/session-bus"
  dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" >"$WORK/dbus.log" 2>&1 &
  BUS_PID=$!
  bus_up() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null 2>&1; }
  wait_for "the session bus did not start: $(tail -2 "$WORK/dbus.log" 2>/dev/null)" bus_up
  # Ask for the accessibility bus now, so the program finds it at start.
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    fail "no accessibility bus: $(tail -3 "$WORK/dbus.log")"
  A11Y_PID=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.Bus | awk '/uint32/ { print $2 }')
}
stop_accessibility_bus() {
  stop_reading_menus
  if [ -n "$APP_PID" ]; then { kill -9 "$APP_PID"; wait "$APP_PID"; } 2>/dev/null || true; fi
  APP_PID=
  [ -n "$A11Y_PID" ] && kill "$A11Y_PID" 2>/dev/null || true
  if [ -n "$BUS_PID" ]; then { kill "$BUS_PID"; wait "$BUS_PID"; } 2>/dev/null || true; fi
  A11Y_PID= BUS_PID=
}

# What a screen reader finds in the program ("board" or "dialogs"), read
# through AT-SPI into $WORK/probe.<what> by Debian's own Python, which has
# the pyatspi of python3-pyatspi.
probe() { /usr/bin/python3 "$E2E_DIR/helpers/atspi_probe.py" "$1" >"$WORK/probe.$1" 2>"$WORK/probe.err"; }
probe_has() { probe "$1" && grep -qF -- "$2" "$WORK/probe.$1"; }

# Starts the program on a picture of its own, and waits until a screen
# reader finds its main window, whose id is left in win.
start_app_for_screen_reader() {
  mkdir -p "$WORK/pictures"
  convert -size 300x200 gradient:orange-purple "BMP3:$WORK/pictures/picture.bmp"
  start_app "$WORK/pictures/picture.bmp"
  win=$(wait_window "$TITLE")
  wait_for "the program is not on the accessibility bus: $(cat "$WORK/probe.err" 2>/dev/null || true)" \
    probe_has board "frame '$TITLE'"
}

# The share, from 0 to 1, of the board's pixels within 10 % of the colour.
board_share_of() {
  local id=$1 colour=$2 bar
  bar=$(menu_bar_height "$id")
  import -window "$id" "$WORK/colours.png"
  convert "$WORK/colours.png" -crop "${BOARD_W}x${BOARD_H}+0+${bar}" +repage -alpha off \
    -fuzz 10% -fill white -opaque "$colour" -fill black +opaque white -colorspace gray -format '%[fx:mean]' info:
}

# Whether at least this share of the board shows the colour.
board_mostly() { awk -v share="$(board_share_of "$1" "$2")" -v least="$3" 'BEGIN { exit !(share >= least) }'; }

# Ends the program under test without a word, as a crash would.
kill_app() {
  kill -9 "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
}

# Opens 画像選択 and waits for its file dialog; prints the dialog's id.
open_picture_dialog() {
  local dialog=
  pick_menu "$1" 画像 画像選択
  picture_dialog_up() { dialog=$(find_window "画像ファイルの選択"); [ -n "$dialog" ]; }
  wait_for "no file dialog titled 画像ファイルの選択" picture_dialog_up
  echo "$dialog"
}

# Opens 画像選択 and types the file's name into it, until the dialog has
# taken it. A busy machine may give the dialog its focus only after the
# typing has begun, losing the name's first letters: the name is then typed
# again over what the field holds.
enter_in_picture_dialog() {
  local main=$1 path=$2 dialog try
  dialog=$(open_picture_dialog "$main")
  for try in 1 2 3; do
    focus "$dialog"
    keys ctrl+a
    xdotool type --delay 5 "$path"
    keys Return
    WAIT_TRIES=100 wait_for_quietly picture_dialog_gone && return
    note "the file dialog is still open after the name was typed ($try)"
  done
}
# Chooses the file with 画像選択.
choose_picture_file() {
  enter_in_picture_dialog "$1" "$2"
  wait_alone "$1" "the file dialog stayed open"
}
picture_dialog_gone() { [ -z "$(find_window "画像ファイルの選択")" ]; }

# A drag source of our own (the drag_source helper) standing in for a file
# manager, offering the URLs given, up in the top-left corner clear of the
# centred main window. A test that starts one stops it at exit:
#   trap 'stop_drag_source; cleanup' EXIT
DRAG_SOURCE_PID=
start_drag_source() {
  stop_drag_source
  : >"$WORK/drag.log"
  "${HELPERS:?usage: $0 path/to/pernoka helper-folder}/drag_source" "$@" >"$WORK/drag.log" 2>"$WORK/drag.err" &
  DRAG_SOURCE_PID=$!
  wait_for_quietly grep -qx ready "$WORK/drag.log" || fail "the drag source did not come up: $(cat "$WORK/drag.err")"
  # Ready before the window manager has mapped its window, on a busy machine.
  drag_source_shown() {
    DRAG_SOURCE_WIN=$(xdotool search --onlyvisible --pid "$DRAG_SOURCE_PID" --name '^drag source$' 2>/dev/null |
      head -n 1 || true)
    [ -n "$DRAG_SOURCE_WIN" ]
  }
  wait_for "the drag source's window did not show" drag_source_shown
  xdotool windowmove --sync "$DRAG_SOURCE_WIN" 0 0
}

stop_drag_source() {
  if [ -n "$DRAG_SOURCE_PID" ]; then { kill "$DRAG_SOURCE_PID"; wait "$DRAG_SOURCE_PID"; } 2>/dev/null || true; fi
  DRAG_SOURCE_PID=
}

# Whether the drag source has told this of its drag ("action copy",
# "result ignore" ...).
drag_reported() { grep -qx "$1" "$WORK/drag.log"; }

# Presses in the drag source and moves the pointer, step by step as a hand
# would, to the middle of the window; drag_release lets go.
drag_to_window() {
  local id=$1 x y i steps=10
  eval "$(xdotool getwindowgeometry --shell "$id")"
  x=$((X + WIDTH / 2))
  y=$((Y + HEIGHT / 2))
  xdotool mousemove --window "$DRAG_SOURCE_WIN" 80 80 mousedown 1
  for ((i = 1; i <= steps; i++)); do
    xdotool mousemove $((80 + i * (x - 80) / steps)) $((80 + i * (y - 80) / steps))
    sleep 0.05
  done
}
drag_release() { xdotool mouseup 1; }

# A file's address for a drop.
file_url() { python3 -c 'import pathlib, sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$1"; }

# The window's outer rectangle, frame included, once the window manager has
# framed it: "x y width height". xdotool's position counts the frame twice.
outer_geometry() {
  local id=$1 left right top bottom x y w h
  read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  x=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
  w=$(xwininfo -id "$id" | sed -n 's/^ *Width: *//p')
  h=$(xwininfo -id "$id" | sed -n 's/^ *Height: *//p')
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# From here on, the program is a copy of its folder without the tune, so
# that a move's click is all there is to hear. An installed program folder
# holds relative links: the copy takes the files.
use_program_without_tune() {
  cp -rL "$(dirname "$PERNOKA")" "$WORK/app"
  rm "$WORK/app/QUIL9702.mid"
  PERNOKA="$WORK/app/$(basename "$PERNOKA")"
}

# --- Recording what reaches a private PulseAudio (start_pulse): the sink's
# monitor recorded into $WORK/<name>.wav.
RECORD_PID=
# Kills a recorder still running, then cleans up: the EXIT trap of a test
# that records.
stop_recorder() {
  [ -n "$RECORD_PID" ] && kill "$RECORD_PID" 2>/dev/null || true
  cleanup
}
# Records the monitor of sink $2 (default e2e) into $WORK/$1.wav until stop_recording.
record() {
  parecord --device="${2:-e2e}.monitor" --latency-msec=20 --process-time-msec=20 --file-format=wav "$WORK/$1.wav" &
  RECORD_PID=$!
  recording() { [ -s "$WORK/$1.wav" ] && [ "$(stat -c %s "$WORK/$1.wav")" -gt 44 ]; }
  wait_for "parecord does not record" recording "$1"
}
# Seconds recorded so far: 44100 frames of 4 bytes a second.
recorded_seconds() { awk -v b="$(stat -c %s "$WORK/$1.wav")" 'BEGIN { printf "%.2f", (b - 44) / 176400 }'; }
recorded_past() { awk -v s="$(recorded_seconds "$1")" -v t="$2" 'BEGIN { exit !(s >= t) }'; }
# Waits until the recording holds $2 more seconds than now.
record_on_for() {
  local past
  past=$(awk -v s="$(recorded_seconds "$1")" -v more="$2" 'BEGIN { print s + more }')
  wait_for "the recording does not grow" recorded_past "$1" "$past"
}
# The peak level of a sound file, 0 to 1.
peak_of() { sox "$1" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'; }
# Stops the recorder and waits until it has written the file out; leaves
# the recording's peak level in PEAK. Called as a command, never in a
# command substitution, whose subshell could not wait for parecord.
PEAK=
stop_recording() {
  kill -INT "$RECORD_PID" 2>/dev/null || true
  wait "$RECORD_PID" 2>/dev/null || true
  RECORD_PID=
  [ -n "${E2E_DEBUG:-}" ] && sox "$WORK/$1.wav" -n stat >&2
  PEAK=$(peak_of "$WORK/$1.wav")
}
loud() { awk -v peak="$1" 'BEGIN { exit !(peak > 0.02) }'; }
# Whether $WORK/$1.wav is loud so far, while parecord still writes it (its
# header tells no length until the end).
heard_in() {
  loud "$(tail -c +45 "$WORK/$1.wav" | sox -t raw -r 44100 -e signed -b 16 -c 2 - -n stat 2>&1 |
    awk '/Maximum amplitude/ {print $3}')"
}
# A time for the figures a test prints, and the seconds since one.
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

# Starts the private server while a game plays its tune and waits until the
# tune is heard on it, with no move made; tells after how long.
tune_heard_once_server_starts() {
  local started
  start_pulse e2e
  started=$(now)
  record "$1"
  WAIT_TRIES=600 wait_for "$2" heard_in "$1"
  note "the tune heard $(since "$started") s after the server started, no move made"
  stop_recording "$1"
}

# Kills the private PulseAudio as a crash would, and waits until it is gone.
kill_pulse() {
  kill -9 "$PULSE_PID" 2>/dev/null || true
  wait "$PULSE_PID" 2>/dev/null || true
  PULSE_PID=
  WAIT_TRIES=50 wait_for_quietly eval '! silently pactl info' || fail "PulseAudio still answers"
}
