#!/usr/bin/env bash
# The installed tree, once under a prefix, once staged through DESTDIR and
# once as the Debian package, laid out as Debian lays out games: the program
# in lib/games/pernoka with relative links to its files in share/games/pernoka,
# a relative link in games, the manual page, the changelog and copyright, a
# valid desktop entry and metainfo, and the icons. The package is built from
# a release configuration of the same source with Debian's build flags, and
# lintian must find nothing at error or warning level in it. Then the
# installed program, and the packaged one, started through their links from
# another folder, play on their own picture, which they can only find by
# looking beside their real file.
source "$(dirname "$0")/lib.sh"

SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "$(dirname "$PERNOKA")/.." && pwd)
APP_ID=jp.example.pernoka
VERSION=$(sed -n 's/^project(pernoka VERSION \([0-9.]*\) .*/\1/p' "$SOURCE/CMakeLists.txt")
DATA_FILES=(GameEnd.wav Pop.wav QUIL9702.mid Tez.hlp nemaki.jpg pantira.jpg)
ICON_SIZES=(16 24 32 48 64 128 256)

[ -f "$BUILD/CMakeCache.txt" ] || fail "no build folder above $PERNOKA"
[ -n "$VERSION" ] || fail "no project version in CMakeLists.txt"
CMAKE=$(sed -n 's/^CMAKE_COMMAND:INTERNAL=//p' "$BUILD/CMakeCache.txt")
[ -x "$CMAKE" ] || CMAKE=cmake
for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream man:man-db lexgrog:man-db \
  lintian:lintian dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev dpkg-parsechangelog:dpkg-dev readelf:binutils; do
  command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} is missing (package ${tool#*:})"
done

# The value of a key in the [Desktop Entry] group.
desktop_key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"; }

# $1 is the installed tree (the prefix), $2 the build folder it came from.
check_program_folder() {
  local appdir=$1/lib/games/pernoka datadir=$1/share/games/pernoka file target
  [ -f "$appdir/pernoka" ] && [ ! -L "$appdir/pernoka" ] && [ -x "$appdir/pernoka" ] ||
    fail "no executable file $appdir/pernoka"
  for file in "${DATA_FILES[@]}"; do
    [ -f "$datadir/$file" ] && [ ! -L "$datadir/$file" ] || fail "$datadir/$file is missing or a link"
    cmp -s "$SOURCE/data/$file" "$datadir/$file" || fail "$datadir/$file differs from data/$file"
    [ -L "$appdir/$file" ] || fail "$appdir/$file is not a symbolic link"
    target=$(readlink "$appdir/$file")
    [[ $target != /* ]] || fail "$appdir/$file points to the absolute $target"
    [ "$appdir/$file" -ef "$datadir/$file" ] || fail "$appdir/$file points to $target, not to $datadir/$file"
  done

  # Nothing else: the icon and logo folders of data/ are not run-time files;
  # the program's modules are the ones the build put beside it.
  local want have
  want=$(printf '%s\n' pernoka "${DATA_FILES[@]}" $(cd "$2/app" && ls -- *.so 2>/dev/null) | sort)
  have=$(ls -A "$appdir" | sort)
  [ "$have" = "$want" ] || fail "$appdir holds: $(echo $have)"
  have=$(ls -A "$datadir" | sort)
  [ "$have" = "$(printf '%s\n' "${DATA_FILES[@]}" | sort)" ] || fail "$datadir holds: $(echo $have)"

  local link=$1/games/pernoka
  [ -L "$link" ] || fail "$link is not a symbolic link"
  [ "$(readlink "$link")" = "../lib/games/pernoka/pernoka" ] || fail "$link points to $(readlink "$link")"
  [ "$link" -ef "$appdir/pernoka" ] || fail "$link does not reach the program"
  [ ! -e "$1/bin/pernoka" ] || fail "$1/bin/pernoka is installed as well"
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
  grep -q "<release version=\"$VERSION\"" "$metainfo" || fail "the metainfo has no $VERSION release"
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

# Columns the widest line takes on a terminal: East Asian wide and
# full-width characters take two.
widest_line() {
  perl -CSD -ne 'chomp; my $w = 0; $w += /[\p{Ea=W}\p{Ea=F}]/ ? 2 : 1 for split //; $max = $w if $w > $max;
    END { print $max + 0 }' "$1"
}

# The page must render without a word from groff, in English and, where the
# machine has the locale, in Japanese, and fit an 80-column terminal.
check_manual_page() {
  local page=$1/share/man/man6/pernoka.6.gz locale rendered=$WORK/man.txt file section
  [ -f "$page" ] || fail "no $page"
  gzip -t "$page" || fail "$page is not a whole gzip file"
  for locale in C.UTF-8 ja_JP.UTF-8; do
    if [ "$locale" = ja_JP.UTF-8 ] && ! locale -a | grep -qix 'ja_JP\.utf-\?8'; then
      note "no ja_JP.UTF-8 locale here; the manual page is checked in C.UTF-8 only"
      continue
    fi
    LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" >"$rendered" 2>"$WORK/man.err" ||
      fail "man -l $page failed under $locale: $(cat "$WORK/man.err")"
    [ ! -s "$WORK/man.err" ] || fail "man --warnings under $locale: $(head -5 "$WORK/man.err")"
    [ "$(widest_line "$rendered")" -le 80 ] || fail "a line of the manual page is wider than 80 columns under $locale"
  done
  for section in NAME SYNOPSIS DESCRIPTION "SUMMARY IN ENGLISH" OPTIONS FILES "EXIT STATUS"; do
    grep -qx "$section" "$rendered" || fail "the manual page has no $section section"
  done
  grep -q "pernoka \[--help\] \[--version\] \[file\]" "$rendered" || fail "the synopsis does not name the options"
  grep -q "^pernoka $VERSION " "$rendered" || fail "the manual page is not the one of version $VERSION"
  for file in "${DATA_FILES[@]}"; do
    grep -q "$file" "$rendered" || fail "the manual page's files do not name $file"
  done
  [ "$(lexgrog "$page")" = "$page: \"pernoka - sliding-tile picture puzzle with a limit on moves\"" ] ||
    fail "whatis entry: $(lexgrog "$page")"
}

check_docs() {
  local doc=$1/share/doc/pernoka
  [ -f "$doc/copyright" ] || fail "no $doc/copyright"
  grep -q "^License: Expat$" "$doc/copyright" && grep -q "Permission is hereby granted" "$doc/copyright" ||
    fail "$doc/copyright does not carry the licence"
  [ ! -e "$doc/LICENSE" ] || fail "$doc/LICENSE repeats the licence of the copyright file"
  [ -f "$doc/changelog.gz" ] || fail "no $doc/changelog.gz"
  zcat "$doc/changelog.gz" >"$WORK/changelog"
  [ "$(dpkg-parsechangelog -l "$WORK/changelog" -S Version)" = "$VERSION" ] ||
    fail "the changelog's latest entry is $(dpkg-parsechangelog -l "$WORK/changelog" -S Version), not $VERSION"
}

check_tree() {
  check_program_folder "$1" "$2"
  check_desktop_entry "$1"
  check_metainfo "$1"
  check_icons "$1"
  check_manual_page "$1"
  check_docs "$1"
  note "installed tree under $1 is complete"
}

# Starts the program through its link from a folder that holds none of its
# files: a board only comes up if it found pantira.jpg beside itself.
play_through_link() {
  local link=$1 program=$2 win
  PERNOKA=$link
  cd /
  start_app
  win=$(wait_window "$TITLE")
  [ "$(readlink "/proc/$APP_PID/exe")" = "$program" ] || fail "the running program is $(readlink "/proc/$APP_PID/exe")"
  [ "$(readlink "/proc/$APP_PID/cwd")" = "$(dirname "$program")" ] ||
    fail "the program works in $(readlink "/proc/$APP_PID/cwd"), not beside itself"
  pick_menu "$win" "$MENU_PICTURE" 2   # 画像 → パンチラ
  pick_menu "$win" "$MENU_START" 1     # 開始 → ３分割
  wait_for "no tiles: $program did not find its picture" board_is_not "$win" "$EMPTY_BOARD"
  no_other_window "$win" || fail "$link: a message box came up beside the board"
  { kill -9 "$APP_PID"; wait "$APP_PID"; } 2>/dev/null || true
  APP_PID=
  note "$program, started through $link, found its picture and laid out a board"
}

"$CMAKE" --install "$BUILD" --prefix "$WORK/prefix" >"$WORK/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$WORK/install.log")"
check_tree "$WORK/prefix" "$BUILD"

DESTDIR="$WORK/stage" "$CMAKE" --install "$BUILD" --prefix /usr >"$WORK/stage.log" 2>&1 ||
  fail "staged cmake --install failed: $(cat "$WORK/stage.log")"
check_tree "$WORK/stage/usr" "$BUILD"

# The package, from a release build of its own inside the test build, kept
# between runs so that only what changed is built again.
DEB_BUILD=$BUILD/deb
deb=$(bash "$SOURCE/packaging/build-deb.sh" "$DEB_BUILD" 2>"$WORK/deb.log") ||
  fail "packaging/build-deb.sh failed: $(tail -20 "$WORK/deb.log")"
note "built $deb"

lintian_status=0
lintian --fail-on error,warning --display-info --pedantic "$deb" >"$WORK/lintian.log" 2>&1 ||
  lintian_status=$?
lintian_report=$(grep -v "running with root privileges" "$WORK/lintian.log" || true)
[ "$lintian_status" -eq 0 ] || fail "lintian: $lintian_report"
[ -z "$lintian_report" ] || note "lintian: $lintian_report"

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package's section is $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-translations-l10n fonts-ipafont-gothic timgm6mb-soundfont libqt6widgets6 libc6; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "the package does not depend on $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package recommends \"$(dpkg-deb -f "$deb" Recommends)\""
# No maintainer scripts: a private module needs no ldconfig.
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep . | sort | tr '\n' ' ')
[ "$control_files" = "control md5sums " ] || fail "the package's control archive holds: $control_files"

mkdir "$WORK/deb"
dpkg-deb -x "$deb" "$WORK/deb"
check_tree "$WORK/deb/usr" "$DEB_BUILD"
# Built as Debian builds: stripped of the compiler's notes, bound at load
# time (bindnow), with no library path of its own.
while IFS= read -r -d '' binary; do
  file -b "$binary" | grep -q '^ELF' || continue
  ! readelf -S -W "$binary" | grep -qE '\s\.comment\s' || fail "$binary keeps its .comment section"
  readelf -d -W "$binary" | grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' || fail "$binary is not bound now"
  ! readelf -d -W "$binary" | grep -qE '\((RPATH|RUNPATH)\)' || fail "$binary carries a library path"
done < <(find "$WORK/deb" -type f -print0)

start_x
play_through_link "$WORK/prefix/games/pernoka" "$WORK/prefix/lib/games/pernoka/pernoka"
play_through_link "$WORK/deb/usr/games/pernoka" "$WORK/deb/usr/lib/games/pernoka/pernoka"

echo "1 passed, 0 failed"
