#!/usr/bin/env bash
# Installs what ペルノカ needs from Debian's packages, builds it, and then
# either starts the game (run) or runs every test (test).
#   bash setup.sh run    build a release and start the game
#   bash setup.sh test   build with sanitizers and run all tests through CTest
#                        (unit and end-to-end), then the sound and module
#                        tests under ThreadSanitizer, then the fuzz targets
#                        (clang, libFuzzer) for 30 s each, then the Debian
#                        package built twice and end-to-end tested in a clean
#                        Debian 13 chroot (packaging/check-debian.sh)
# On Debian 12, 13 and unstable; the package names are each release's.
set -euo pipefail

mode=${1:-run}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# clang's sanitizer runtimes: Debian 12 names them by clang's version, later
# releases also by the default one. appstream-glib's validator: Debian no
# longer builds it after 13.
. /etc/os-release
case ${VERSION_ID:-} in
  12) clang_runtime=libclang-rt-14-dev glib_validator=(appstream-util) ;;
  13) clang_runtime=libclang-rt-dev glib_validator=(appstream-util) ;;
  *) clang_runtime=libclang-rt-dev glib_validator=() ;;
esac

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-base-dev-tools
  libsdl2-mixer-dev libfluidsynth-dev libpng-dev
  qt6-translations-l10n qt6-image-formats-plugins fonts-ipafont-gothic timgm6mb-soundfont
)
if [ "$mode" = test ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang "$clang_runtime"
    xvfb xauth xdotool wmctrl openbox x11-utils pulseaudio pulseaudio-utils sox imagemagick weston qt6-wayland
    appstream "${glib_validator[@]}" desktop-file-utils file man-db xdg-utils optipng
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi
    git xz-utils mmdebstrap diffoscope-minimal
  )
fi

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

# The configurations are the presets of CMakePresets.json; ccache keeps
# what each compiled, keyed by the compiler, its flags and the preprocessed
# source, so a build of the same code is not compiled twice, from whichever
# folder the tree was cloned into (paths are taken relative to it; only the
# debug information's working folder may then name an earlier clone).
jobs=$(nproc)
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$here CCACHE_NOHASHDIR=true
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
    # The package as Debian's current release builds and installs it.
    PERNOKA_CCACHE=1 bash "$here/packaging/check-debian.sh" --suite trixie --reproducible
    ;;
  *)
    echo "usage: bash setup.sh run|test" >&2
    exit 2
    ;;
esac
