#!/usr/bin/env bash
# The installed tree, from a build or from the Debian package.
# Given a program of a build folder:
# - The games layout, under a prefix and staged through DESTDIR: the program
#   in lib/games/pernoka with relative links to its files in
#   share/games/pernoka, a relative link in games, the manual page, NEWS and
#   the licence, a valid desktop entry and metainfo, the icons.
# - The plain layout, from the same build (its install component), staged
#   under /app as a Flatpak has it: bin/, lib/pernoka, share/pernoka.
#   Started there, it finds the soundfont through XDG_DATA_DIRS.
# Given the program of the installed Debian package (its autopkgtest): the
# package's tree under /usr as the games layout, with debhelper's doc files,
# its dependencies and control files, and binaries built as Debian builds.
# The programs, started through their links from another folder, play on
# their own picture, which they can only find beside their real file.
source "$(dirname "$0")/lib.sh"

SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "$(dirname "$PERNOKA")/.." && pwd)
# The application ID and the homepage, as the build takes them.
APP_ID=$(sed -n 's/^PERNOKA_APP_ID=//p' "$SOURCE/packaging/address.conf")
HOMEPAGE=$(sed -n 's/^PERNOKA_HOMEPAGE=//p' "$SOURCE/packaging/address.conf")
VERSION=$(sed -n 's/^project(pernoka VERSION \([0-9.]*\) .*/\1/p' "$SOURCE/CMakeLists.txt")
DATA_FILES=(GameEnd.wav Pop.wav QUIL9702.mid Tez.hlp nemaki.jpg pantira.jpg)
ICON_SIZES=(16 24 32 48 64 128 256)

[ -n "$VERSION" ] || fail "no project version in CMakeLists.txt"
if [ -f "$BUILD/CMakeCache.txt" ]; then
  MODE=build
  CMAKE=$(sed -n 's/^CMAKE_COMMAND:INTERNAL=//p' "$BUILD/CMakeCache.txt")
  [ -x "$CMAKE" ] || CMAKE=cmake
elif PACKAGE=$(dpkg-query -S "$(readlink -f "$PERNOKA")" 2>/dev/null); then
  MODE=package
  PACKAGE=${PACKAGE%%:*}
else
  fail "$PERNOKA is neither in a build folder nor installed by a package"
fi
for tool in desktop-file-validate:desktop-file-utils update-desktop-database:desktop-file-utils \
  appstreamcli:appstream man:man-db lexgrog:man-db readelf:binutils \
  file:file identify:imagemagick xdg-mime:xdg-utils; do
  command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} is missing (package ${tool#*:})"
done

# The value of a key in the [Desktop Entry] group.
desktop_key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"; }

# Folders of a layout, relative to the prefix: link, program, files.
layout_dirs() {
  case $1 in
    games) echo "games lib/games/pernoka share/games/pernoka" ;;
    plain) echo "bin lib/pernoka share/pernoka" ;;
  esac
}

# $1 is the installed tree (the prefix), $2 the build folder it came from,
# $3 the layout.
check_program_folder() {
  local bindir appdir datadir file target
  read -r bindir appdir datadir < <(layout_dirs "$3")
  appdir=$1/$appdir
  datadir=$1/$datadir
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
  # the program's modules are the ones the build put beside it (a package's
  # build is gone: its one module).
  local want have modules=libpernoka_audio.so
  [ "$2" = - ] || modules=$(cd "$2/app" && ls -- *.so 2>/dev/null || true)
  want=$(printf '%s\n' pernoka "${DATA_FILES[@]}" $modules | sort)
  have=$(ls -A "$appdir" | sort)
  [ "$have" = "$want" ] || fail "$appdir holds: $(echo $have)"
  have=$(ls -A "$datadir" | sort)
  [ "$have" = "$(printf '%s\n' "${DATA_FILES[@]}" | sort)" ] || fail "$datadir holds: $(echo $have)"

  local link=$1/$bindir/pernoka other
  [ -L "$link" ] || fail "$link is not a symbolic link"
  [[ $(readlink "$link") == ../* ]] || fail "$link points to $(readlink "$link"), not relatively"
  [ "$link" -ef "$appdir/pernoka" ] || fail "$link does not reach the program"
  for other in games bin; do
    [ "$other" = "$bindir" ] || [ ! -e "$1/$other/pernoka" ] || fail "$1/$other/pernoka is installed as well"
  done
}

check_desktop_entry() {
  local desktop=$1/share/applications/$APP_ID.desktop report
  [ -f "$desktop" ] || fail "no $desktop"
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
  [ -z "$report" ] || fail "desktop-file-validate: $report"
  [ "$(desktop_key "$desktop" Name)" = "Pernoka" ] || fail "English name is \"$(desktop_key "$desktop" Name)\""
  [ "$(desktop_key "$desktop" 'Name\[ja\]')" = "ペルノカ" ] || fail "Japanese name is \"$(desktop_key "$desktop" 'Name\[ja\]')\""
  local categories=";$(desktop_key "$desktop" Categories)"
  [[ $categories == *";Game;"* && $categories == *";LogicGame;"* ]] || fail "categories are $categories"
  # The program takes one picture file on its command line.
  [ "$(desktop_key "$desktop" Exec)" = "pernoka %f" ] || fail "Exec is \"$(desktop_key "$desktop" Exec)\""
  local icon
  icon=$(desktop_key "$desktop" Icon)
  [ -f "$1/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the entry's icon \"$icon\" is not installed"
}

# AppStream 0.16 (Debian 12) does not know the developer tag of 1.0 and says
# so as information; anything else it says is a fault.
check_metainfo() {
  local metainfo=$1/share/metainfo/$APP_ID.metainfo.xml desktop=$1/share/applications/$APP_ID.desktop report
  [ -f "$metainfo" ] || fail "no $metainfo"
  report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
  report=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ': unknown-tag developer$' || true)
  [ -z "$report" ] || fail "appstreamcli: $report"
  # The older validator of appstream-glib, which some stores still run: it
  # refuses notes that open with a list and captions longer than 50 letters.
  # Debian builds it up to 13 only, so it is used where it is installed.
  if command -v appstream-util >/dev/null; then
    report=$(appstream-util validate --nonet "$metainfo" 2>&1) || fail "appstream-util: $report"
  else
    echo "appstream-util is not installed: the metainfo is checked by appstreamcli alone"
  fi
  grep -q "<id>$APP_ID</id>" "$metainfo" || fail "the metainfo id is not $APP_ID"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $APP_ID.desktop"
  grep -q "<release version=\"$VERSION\"" "$metainfo" || fail "the metainfo has no $VERSION release"
  # Neither claims a type of file, which would make the game the default
  # handler of pictures wherever no other is installed.
  [ -z "$(desktop_key "$desktop" MimeType)" ] || fail "the desktop entry claims $(desktop_key "$desktop" MimeType)"
  ! grep -q '<mediatype>' "$metainfo" || fail "the metainfo provides a media type"
  # The addresses are the ones of packaging/address.conf, which the build
  # wrote into the source's placeholders.
  ! grep -q '@PERNOKA_' "$metainfo" || fail "the metainfo keeps a placeholder: $(grep -o '@PERNOKA_[A-Z_]*@' "$metainfo" | head -1)"
  grep -qF "<url type=\"homepage\">$HOMEPAGE</url>" "$metainfo" || fail "the metainfo's homepage is not $HOMEPAGE"
}

# On a desktop with no picture viewer, installing the game makes it no
# picture's default: what xdg-mime answers with the tree's desktop entry the
# only application, as on a bare window manager's session. The same entry
# claiming image/bmp shows that the question reaches it.
default_for_bmp() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    HOME="$WORK/bare/home" XDG_CONFIG_HOME="$WORK/bare/home/.config" XDG_CONFIG_DIRS="$WORK/bare/config" \
    XDG_DATA_HOME="$WORK/bare/home/.local/share" XDG_DATA_DIRS="$WORK/bare/share" DISPLAY= \
    xdg-mime query default image/bmp 2>&1 || true
}
check_no_default_opener() {
  local applications=$WORK/bare/share/applications answer
  rm -rf "$WORK/bare"
  mkdir -p "$applications" "$WORK/bare/home" "$WORK/bare/config"
  cp "$1/share/applications/$APP_ID.desktop" "$applications/"
  update-desktop-database "$applications"
  answer=$(default_for_bmp)
  [ -z "$answer" ] || fail "xdg-mime makes $answer the default of image/bmp"
  echo "MimeType=image/bmp;" >>"$applications/$APP_ID.desktop"
  update-desktop-database "$applications"
  answer=$(default_for_bmp)
  [ "$answer" = "$APP_ID.desktop" ] || fail "xdg-mime did not read the bare applications folder: \"$answer\""
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

# The page, as installed (.6) or as a package compressed it (.6.gz), must
# render without a word from groff, in English and, where the machine has
# the locale, in Japanese, and fit an 80-column terminal.
check_manual_page() {
  local page locale rendered=$WORK/man.txt file section
  page=$(ls "$1"/share/man/man6/pernoka.6* 2>/dev/null | head -n 1)
  [ -n "$page" ] || fail "no manual page in $1/share/man/man6"
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
  for section in NAME SYNOPSIS DESCRIPTION "SUMMARY IN ENGLISH" OPTIONS ENVIRONMENT FILES "EXIT STATUS"; do
    grep -qx "$section" "$rendered" || fail "the manual page has no $section section"
  done
  grep -q "pernoka \[--help\] \[--version\] \[file\]" "$rendered" || fail "the synopsis does not name the options"
  for file in "${DATA_FILES[@]}" PERNOKA_SOUNDFONT XDG_DATA_DIRS; do
    grep -q "$file" "$rendered" || fail "the manual page does not name $file"
  done
  [ "$(lexgrog "$page")" = "$page: \"pernoka - sliding-tile picture puzzle with a limit on moves\"" ] ||
    fail "whatis entry: $(lexgrog "$page")"
}

# $2: "upstream" (NEWS and the licence, as CMake installs them), "none", or
# "debian" (what debhelper writes: the copyright file, NEWS as the upstream
# changelog and the Debian changelog).
check_docs() {
  local doc=$1/share/doc/pernoka
  case $2 in
    upstream)
      cmp -s "$doc/NEWS" "$SOURCE/NEWS" || fail "$doc/NEWS is not NEWS"
      cmp -s "$doc/LICENSE" "$SOURCE/LICENSE" || fail "$doc/LICENSE is not LICENSE"
      [ "$(ls -A "$doc" | tr '\n' ' ')" = "LICENSE NEWS " ] || fail "$doc holds $(ls -A "$doc")"
      ;;
    none)
      [ ! -e "$doc" ] || fail "$doc is installed though PERNOKA_INSTALL_DOCS is off"
      ;;
    debian)
      [ "$(ls -A "$doc" | tr '\n' ' ')" = "changelog.Debian.gz changelog.gz copyright " ] ||
        fail "$doc holds $(ls -A "$doc")"
      grep -q "^License: Expat$" "$doc/copyright" || fail "$doc/copyright does not carry the licence"
      [ "$(zcat "$doc/changelog.gz")" = "$(cat "$SOURCE/NEWS")" ] || fail "$doc/changelog.gz is not NEWS"
      zcat "$doc/changelog.Debian.gz" | head -n 1 | grep -q "^pernoka ($VERSION-" ||
        fail "the Debian changelog starts with $(zcat "$doc/changelog.Debian.gz" | head -n 1)"
      ;;
  esac
}

# $1 the tree, $2 the build folder (- for a package), $3 the layout, $4 the
# doc files.
check_tree() {
  check_program_folder "$1" "$2" "$3"
  check_desktop_entry "$1"
  check_metainfo "$1"
  check_no_default_opener "$1"
  check_icons "$1"
  check_manual_page "$1"
  check_docs "$1" "$4"
  note "installed tree under $1 ($3 layout) is complete"
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
  pick_menu "$win" 画像 パンチラ
  pick_menu "$win" 開始 ３分割
  wait_for "no tiles: $program did not find its picture" board_out "$win"
  no_other_window "$win" || fail "$link: a message box came up beside the board"
  { kill -9 "$APP_PID"; wait "$APP_PID"; } 2>/dev/null || true
  APP_PID=
  note "$program, started through $link, found its picture and laid out a board"
}

if [ "$MODE" = package ]; then
  # The package as installed: its files where dpkg put them.
  check_tree /usr - games debian
  depends=$(dpkg-query -W -f='${Depends}' "$PACKAGE")
  [ "$(dpkg-query -W -f='${Section}' "$PACKAGE")" = games ] || fail "the package's section is not games"
  for package in qt6-translations-l10n fonts-ipafont-gothic libc6; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "the package does not depend on $package: $depends"
  done
  # The soundfont the tune is made for, or any General MIDI one the program
  # finds as default-GM.sf2 or .sf3.
  [[ ", $depends," == *", timgm6mb-soundfont | sf2-soundfont-gm | sf3-soundfont-gm,"* ]] ||
    fail "the package does not take any General MIDI soundfont: $depends"
  [[ $depends == *libqt6widgets6* ]] || fail "the package does not depend on Qt's widgets: $depends"
  [ "$(dpkg-query -W -f='${Recommends}' "$PACKAGE")" = qt6-wayland ] || fail "the package recommends something else"
  # No maintainer scripts: a private module needs no ldconfig.
  control_files=$(dpkg-query --control-list "$PACKAGE" | sort | tr '\n' ' ')
  [ "$control_files" = "md5sums " ] || fail "the package's control files are: $control_files"
  # Built as Debian builds: stripped of the compiler's notes, bound at load
  # time (bindnow), with no library path of its own.
  while IFS= read -r path; do
    [ -f "$path" ] && [ ! -L "$path" ] && file -b "$path" | grep -q '^ELF' || continue
    ! readelf -S -W "$path" | grep -qE '\s\.comment\s' || fail "$path keeps its .comment section"
    readelf -d -W "$path" | grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' || fail "$path is not bound now"
    ! readelf -d -W "$path" | grep -qE '\((RPATH|RUNPATH)\)' || fail "$path carries a library path"
  done < <(dpkg-query -L "$PACKAGE")
  start_x
  play_through_link /usr/games/pernoka /usr/lib/games/pernoka/pernoka
  echo "1 passed, 0 failed"
  exit 0
fi

# 1. The games layout of the build under test.
"$CMAKE" --install "$BUILD" --prefix "$WORK/prefix" >"$WORK/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$WORK/install.log")"
check_tree "$WORK/prefix" "$BUILD" games upstream
DESTDIR="$WORK/stage" "$CMAKE" --install "$BUILD" --prefix /usr >"$WORK/stage.log" 2>&1 ||
  fail "staged cmake --install failed: $(cat "$WORK/stage.log")"
check_tree "$WORK/stage/usr" "$BUILD" games upstream

# 2. The plain layout, the same build's other install component.
DESTDIR="$WORK/flat" "$CMAKE" --install "$BUILD" --prefix /app --component plain-layout >"$WORK/plain.log" 2>&1 ||
  fail "the plain layout's install failed: $(tail -20 "$WORK/plain.log")"
check_tree "$WORK/flat/app" "$BUILD" plain upstream
[ ! -e "$WORK/prefix/bin" ] && [ ! -e "$WORK/flat/app/games" ] || fail "one install holds both layouts"

# 3. Started through their links; the plain layout as in a Flatpak, where
# the soundfont lies under /app/share, which XDG_DATA_DIRS names before the
# system's folders (set after the window manager has read its theme there).
start_x
play_through_link "$WORK/prefix/games/pernoka" "$WORK/prefix/lib/games/pernoka/pernoka"
play_through_link "$WORK/flat/app/bin/pernoka" "$WORK/flat/app/lib/pernoka/pernoka"

soundfont=$WORK/flat/app/share/sounds/sf2/TimGM6mb.sf2
mkdir -p "$(dirname "$soundfont")"
ln -s "$(readlink -f /usr/share/sounds/sf2/TimGM6mb.sf2)" "$soundfont"
export XDG_DATA_DIRS=$WORK/flat/app/share:/usr/local/share:/usr/share PERNOKA_DEBUG_SOUNDFONT=1 SDL_AUDIODRIVER=dummy
PERNOKA=$WORK/flat/app/bin/pernoka
start_app
win=$(wait_window "$TITLE")
pick_menu "$win" ＢＧＭ ON  # starts the tune
said_soundfont() { grep -q '^pernoka: .*soundfont' "$WORK/app.log"; }
wait_for "the program never said which soundfont it took" said_soundfont
grep -qx "pernoka: soundfont $soundfont" "$WORK/app.log" ||
  fail "the plain layout under /app took another soundfont: $(grep soundfont "$WORK/app.log")"
note "$(grep -x "pernoka: soundfont .*" "$WORK/app.log")"

echo "1 passed, 0 failed"
