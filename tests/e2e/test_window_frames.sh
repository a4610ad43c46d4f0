#!/usr/bin/env bash
# Every window keeps a fixed dialog frame under openbox: the hints leave out
# resizing, maximising and (for window managers that read the Motif hints)
# minimising; openbox offers minimise to any window all the same, and what
# it decides stays: a window minimised, or hidden by "show desktop" with the
# rest, comes back only when asked to.
source "$(dirname "$0")/lib.sh"

# The Motif functions: all (1), minimise (8), maximise (16). Resizing is
# left to the fixed size hints, which every window manager reads.
motif_refuses() {
  local flags functions rest
  read -r flags functions rest < <(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
  (((flags & 1) && !(functions & (1 | 8 | 16))))
}

allowed() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }

shown_normally() {
  xwininfo -id "$1" | grep -q 'Map State: IsViewable' &&
    ! xprop -id "$1" _NET_WM_STATE | grep -qE '_NET_WM_STATE_(HIDDEN|FULLSCREEN|MAXIMIZED)' &&
    [ "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')" = "$2" ]
}

hidden() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
unmapped() { ! xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }

# The window's hints, then the window minimised until it is brought back.
check_frame() {
  local id=$1 what=$2 size
  size=$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')
  motif_refuses "$id" || fail "$what: Motif hints $(xprop -id "$id" _MOTIF_WM_HINTS)"
  ! allowed "$id" | grep -qE 'ACTION_(RESIZE|MAXIMIZE)' || fail "$what: $(allowed "$id")"
  note "$what: $(allowed "$id" | sed 's/.*= //; s/_NET_WM_ACTION_//g')"
  xdotool windowminimize "$id"
  wait_for "$what was not minimised" hidden "$id"
  wmctrl -i -a "$id"
  wait_for "$what did not come back" shown_normally "$id" "$size"
  note "$what: minimised until brought back"
}

start_x
start_app
win=$(wait_window "$TITLE")
check_frame "$win" "main window"

pick_menu "$win" 開始 ３分割  # without a picture: a message box
box=$(wait_other_window "$win")
check_frame "$box" "message box"
shown_normally "$win" "$(xdotool getwindowgeometry --shell "$win" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')" ||
  fail "the main window went with the message box"
# Show desktop hides the game and its box until it is turned off.
wmctrl -k on
wait_for "show desktop left the game shown" unmapped "$win"
wait_for "show desktop left the box shown" unmapped "$box"
wmctrl -k off
wait_for "the game did not come back" shown_normally "$win" "$(xdotool getwindowgeometry --shell "$win" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')"
note "show desktop: both hidden until turned off"
focus "$box"
keys Return
wait_alone "$win" "the message box did not close"

pick_menu "$win" ｵﾌﾟｼｮﾝ
options=$(wait_other_window "$win")
check_frame "$options" "options window"
echo "1 passed, 0 failed"
