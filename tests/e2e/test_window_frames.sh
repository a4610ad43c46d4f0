#!/usr/bin/env bash
# Every window keeps a fixed dialog frame under openbox: the hints leave out
# resizing, maximising and (for window managers that read the Motif hints)
# minimising; openbox offers minimise and full screen to any window all the
# same, so the main window, a message box and the options window each come
# straight back when minimised or put full screen.
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

# The window at its design size, as the program shows it, after openbox
# has been asked to minimise it and then to fill the screen with it.
check_frame() {
  local id=$1 what=$2 size
  size=$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')
  motif_refuses "$id" || fail "$what: Motif hints $(xprop -id "$id" _MOTIF_WM_HINTS)"
  ! allowed "$id" | grep -qE 'ACTION_(RESIZE|MAXIMIZE)' || fail "$what: $(allowed "$id")"
  note "$what: $(allowed "$id" | sed 's/.*= //; s/_NET_WM_ACTION_//g')"
  xdotool windowminimize "$id"
  wait_for "$what stayed minimised" shown_normally "$id" "$size"
  wmctrl -i -r "$id" -b add,fullscreen
  wait_for "$what stayed full screen" shown_normally "$id" "$size"
  note "$what: back at once from minimised and from full screen"
}

start_x
start_app
win=$(wait_window "$TITLE")
check_frame "$win" "main window"

pick_menu "$win" "$MENU_START" 1     # ３分割 without a picture: a message box
box=$(wait_other_window "$win")
check_frame "$box" "message box"
shown_normally "$win" "$(xdotool getwindowgeometry --shell "$win" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')" ||
  fail "the main window went with the message box"
focus "$box"
keys Return
wait_alone "$win" "the message box did not close"

pick_menu "$win" "$MENU_OPTIONS" 0
options=$(wait_other_window "$win")
check_frame "$options" "options window"
echo "1 passed, 0 failed"
