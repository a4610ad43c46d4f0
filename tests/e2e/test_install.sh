#!/usr/bin/env bash
# The installed tree, once under a prefix and once staged through DESTDIR:
# the program and its files together in lib/pernoka, a relative link in bin,
# a valid desktop entry and metainfo, and the icons. Then the installed
# program, started through the link from another folder, plays on its own
# picture, which it can only find by looking beside its real file.
source "$(dirname "$0")/lib.sh"

SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "$(dirname "$PERNOKA")/.." && pwd)
APP_ID=jp.example.pernoka
DATA_FILES=(GameEnd.wav Pop.wav QUIL9702.mid Tez.hlp nemaki.jpg pantira.jpg)
ICON_SIZES=(16 24 32 48 64 128 256)

[ -f "$BUILD/CMakeCache.txt" ] || fail "no build folder above $PERNOKA"
CMAKE=$(sed -n 's/^CMAKE_COMMAND:INTERNAL=//p' "$BUILD/CMakeCache.txt")
[ -x "$CMAKE" ] || CMAKE=cmake
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (package desktop-file-utils)"
command -v appstreamcli >/dev/null || fail "appstreamcli is missing (package appstream)"

# The value of a key in the [Desktop Entry] group.
desktop_key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"; }

check_program_folder() {
  local appdir=$1/lib/pernoka file
  [ -f "$appdir/pernoka" ] && [ -x "$appdir/pernoka" ] || fail "no executable $appdir/pernoka"
  for file in "${DATA_FILES[@]}"; do
    cmp -s "$SOURCE/data/$file" "$appdir/$file" || fail "$appdir/$file is missing or differs from data/$file"
  done
  # Nothing else: the icon and logo folders of data/ are not run-time files.
  local want have
  want=$(printf '%s\n' pernoka libpernoka_audio.so "${DATA_FILES[@]}" | sort)
  have=$(ls -A "$appdir" | sort)
  [ "$have" = "$want" ] || fail "$appdir holds: $(echo $have)"

  local link=$1/bin/pernoka
  [ -L "$link" ] || fail "$link is not a symbolic link"
  [ "$(readlink "$link")" = "../lib/pernoka/pernoka" ] || fail "$link points to $(readlink "$link")"
  [ "$link" -ef "$appdir/pernoka" ] || fail "$link does not reach the program"
}

check_desktop_entry() {
  local desktop=$1/share/applications/$APP_ID.desktop report
  [ -f "$desktop" ] || fail "no $desktop"
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
  [ -z "$report" ] || note "desktop-file-validate: $report"
  [ "$(desktop_key "$desktop" Name)" = "Pernoka" ] || fail "English name is \"$(desktop_key "$desktop" Name)\""
  [ "$(desktop_key "$desktop" 'Name\[ja\]')" = "ペルノカ" ] || fail "Japanese name is \"$(desktop_key "$desktop" 'Name\[ja\]')\""
  local categories=";$(desktop_key "$desktop" Categories)"
  [[ $categories == *";Game;"* && $categories == *";LogicGame;"* ]] || fail "categories are $categories"
  [ "$(desktop_key "$desktop" Exec)" = "pernoka" ] || fail "Exec is \"$(desktop_key "$desktop" Exec)\""
  local icon
  icon=$(desktop_key "$desktop" Icon)
  [ -f "$1/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the entry's icon \"$icon\" is not installed"
}

check_metainfo() {
  local metainfo=$1/share/metainfo/$APP_ID.metainfo.xml report
  [ -f "$metainfo" ] || fail "no $metainfo"
  report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
  grep -q "<id>$APP_ID</id>" "$metainfo" || fail "the metainfo id is not $APP_ID"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $APP_ID.desktop"
  grep -q '<release version="0.2.0"' "$metainfo" || fail "the metainfo has no 0.2.0 release"
}

check_icons() {
  local size icon
  for size in "${ICON_SIZES[@]}"; do
    icon=$1/share/icons/hicolor/${size}x${size}/apps/pernoka.png
    [ -f "$icon" ] || fail "no $icon"
    [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}" ] ||
      fail "$icon is $(identify -format '%m %wx%h' "$icon")"
  done
}

check_tree() {
  check_program_folder "$1"
  check_desktop_entry "$1"
  check_metainfo "$1"
  check_icons "$1"
  [ -f "$1/share/doc/pernoka/LICENSE" ] || fail "no licence in $1/share/doc/pernoka"
  note "installed tree under $1 is complete"
}

"$CMAKE" --install "$BUILD" --prefix "$WORK/prefix" >"$WORK/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$WORK/install.log")"
check_tree "$WORK/prefix"

DESTDIR="$WORK/stage" "$CMAKE" --install "$BUILD" --prefix /usr >"$WORK/stage.log" 2>&1 ||
  fail "staged cmake --install failed: $(cat "$WORK/stage.log")"
check_tree "$WORK/stage/usr"

# The installed program, through its link and from a folder that holds none
# of its files: a board only comes up if it found pantira.jpg beside itself.
PERNOKA=$WORK/prefix/bin/pernoka
start_x
cd /
start_app
win=$(wait_window "$TITLE")
[ "$(readlink "/proc/$APP_PID/exe")" = "$WORK/prefix/lib/pernoka/pernoka" ] ||
  fail "the running program is $(readlink "/proc/$APP_PID/exe")"
pick_menu "$win" "$MENU_PICTURE" 2   # 画像 → パンチラ
pick_menu "$win" "$MENU_START" 1     # 開始 → ３分割
wait_for "no tiles: the installed program did not find its picture" board_is_not "$win" "$EMPTY_BOARD"
no_other_window "$win" || fail "a message box came up beside the board"
note "the installed program found its picture and laid out a board"

echo "1 passed, 0 failed"
