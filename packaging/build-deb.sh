#!/usr/bin/env bash
# Builds the Debian package from a release build with the compiler and linker
# flags a Debian build uses (dpkg-buildflags, all hardening on), and prints
# the path of the .deb.
#   bash packaging/build-deb.sh [build-dir]     (default: build-deb)
# Needs dpkg-dev, besides the build dependencies of the game.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$source_dir/build-deb}

# dpkg-buildflags maps the source folder away in the debug paths it writes,
# so it is asked from there. CMake reads no CPPFLAGS; they go with the
# compiler flags, as debhelper passes them. The flags are given on the
# command line, not through the environment, so that a build folder
# configured before gets them too.
eval "$(cd "$source_dir" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"

# Only what the package holds is built: CMAKE_SKIP_INSTALL_ALL_DEPENDENCY
# keeps CPack from building the whole tree (the data generators) first.
cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPERNOKA_TESTS=OFF -DPERNOKA_BENCH=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
  -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$build" -j"$(nproc)" --target pernoka pernoka_docs >/dev/null

# "CPack: - package: <path> generated."
deb=$(cd "$build" && cpack -G DEB | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p')
[ -n "$deb" ] && [ -f "$deb" ] || { echo "cpack made no .deb in $build" >&2; exit 1; }
echo "$deb"
