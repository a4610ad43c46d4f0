#!/usr/bin/env bash
# Installs what ペルノカ needs from Debian's packages, builds it, and then
# either starts the game (run) or runs every test (test).
#   bash setup.sh run    build a release and start the game
#   bash setup.sh test   build with sanitizers and run all tests through CTest,
#                        then the sound and module tests under ThreadSanitizer,
#                        then build the fuzz targets with clang and run each
#                        for 30 s (tests/fuzz/run.sh)
set -euo pipefail

mode=${1:-run}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-image-formats-plugins
  fonts-ipafont-gothic
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool wmctrl openbox x11-utils pulseaudio pulseaudio-utils sox imagemagick
  appstream desktop-file-utils dpkg-dev debhelper diffoscope-minimal git file lintian man-db
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The configurations are the presets of CMakePresets.json.
jobs=$(nproc)
cd "$here"
case "$mode" in
  run)
    cmake --preset release
    cmake --build --preset release -j"$jobs"
    exec "$here/build/app/pernoka"
    ;;
  test)
    cmake --preset test
    cmake --build --preset test -j"$jobs"
    ctest --preset test -j"$jobs"
    # The audio thread, the renderer and the UI thread under ThreadSanitizer.
    cmake --preset tsan
    cmake --build --preset tsan -j"$jobs"
    ctest --preset tsan -j"$jobs"
    cmake --preset fuzz
    cmake --build --preset fuzz -j"$jobs"
    bash "$here/tests/fuzz/run.sh" "$here/build-fuzz" 30
    ;;
  *)
    echo "usage: bash setup.sh run|test" >&2
    exit 2
    ;;
esac
