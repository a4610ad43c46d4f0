#!/usr/bin/env bash
# Proves that the Debian source package builds, installs and plays on a
# Debian release as Debian itself would build it: in a clean chroot of that
# release (mmdebstrap, from Debian's registry) holding only build-essential
# and what debian/control pulls in (apt-get build-dep), the release tarball
# of the committed tree with packaging/debian/ as debian/ is built by
# dpkg-buildpackage, unit tests included; lintian of that release
# (pedantic) finds no error or warning; the package is installed in a
# second clean chroot and its autopkgtest (the end-to-end scripts) passes
# there under the real autopkgtest runner. With --reproducible it is built
# a second time, from another folder, in another time zone, with another
# umask and without its tests, and the .deb files must be byte-identical.
#   bash packaging/check-debian.sh [--suite SUITE] [--reproducible] [work folder]
# SUITE: a Debian suite or codename (default trixie; bookworm, unstable …).
# The work folder (default build-debian/SUITE) is emptied first; the
# packages stay in its packages/ folder, beside the logs. The chroots'
# bases are made once a day and kept as tarballs in
# ${XDG_CACHE_HOME:-~/.cache}/pernoka/chroots; each build and test runs in a
# fresh copy. PERNOKA_CCACHE=1 keeps the compiler's cache of each suite there
# too. Prints a one-line summary last. Needs root (or sudo), mmdebstrap,
# git, xz-utils, and diffoscope for --reproducible.
set -euo pipefail

suite=trixie
reproducible=0
work=
while (($#)); do
  case $1 in
    --suite) suite=${2:?--suite needs a suite}; shift 2 ;;
    --reproducible) reproducible=1; shift ;;
    -*) echo "usage: bash packaging/check-debian.sh [--suite SUITE] [--reproducible] [work folder]" >&2; exit 2 ;;
    *) work=$1; shift ;;
  esac
done

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=PERNOKA_CCACHE,XDG_CACHE_HOME,HOME bash "$0" --suite "$suite" \
    $( ((reproducible)) && echo --reproducible) ${work:+"$work"}
fi

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=${work:-$source_dir/build-debian/$suite}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/pernoka/chroots
mirror=http://deb.debian.org/debian
started=$SECONDS

say() { echo "== $*"; }
fail() { echo "check-debian.sh ($suite): $*" >&2; exit 1; }

# A chroot is only ever unpacked below the work folder and entered through
# a private mount namespace, so no mount outlives its command; the removal
# stays on this file system all the same.
remove_tree() { [ ! -e "$1" ] || rm -rf --one-file-system "$1"; }
remove_tree "$work"
mkdir -p "$work" "$cache"
work=$(cd "$work" && pwd)

tarball=$(bash "$source_dir/packaging/make-release.sh" HEAD "$work/release" | tail -n 1)
name=$(basename "$tarball" .tar.xz)   # pernoka-<version>
version=${name#pernoka-}

# The base of a chroot of this suite: "build" holds build-essential and the
# build dependencies, "test" what the autopkgtest needs (the runner, lintian
# and debian/tests/control's Depends but the package itself). Each is made
# anew when the control file it comes from changes, or after a day.
# Unstable's Release file may be past its Valid-Until between two pushes.
base_tarball() {
  local kind=$1 control hash path
  case $kind in
    build) control=$source_dir/packaging/debian/control ;;
    test) control=$source_dir/packaging/debian/tests/control ;;
  esac
  hash=$(cat "$control" <(echo "${PERNOKA_CCACHE:-}") | sha256sum | cut -c1-12)
  path=$cache/$suite-$kind-$hash.tar
  find "$cache" -maxdepth 1 -name "$suite-$kind-*.tar" \( -mmin +1440 -o ! -name "$(basename "$path")" \) -delete
  if [ ! -f "$path" ]; then
    local hooks=() extra=
    case $kind in
      build)
        [ -z "${PERNOKA_CCACHE:-}" ] || extra=ccache
        hooks=(--customize-hook='mkdir "$1/tmp/pernoka-deps"'
          --customize-hook="copy-in '$source_dir/packaging/debian' /tmp/pernoka-deps"
          --customize-hook='chroot "$1" apt-get build-dep -y /tmp/pernoka-deps'
          --customize-hook='rm -rf "$1/tmp/pernoka-deps"')
        ;;
      test)
        # Every Depends of the test but the package under test.
        extra=$(sed -n '/^Depends:/,/^[A-Z]/p' "$control" | sed 's/^Depends://; /^[A-Z]/d' | tr ',' '\n' |
          sed 's/^ *//; s/ *$//' | grep . | grep -vx pernoka | tr '\n' ',')
        extra=autopkgtest,lintian,$extra
        ;;
    esac
    say "making the $kind chroot of $suite" >&2
    mmdebstrap --mode=root --variant=buildd --aptopt='Acquire::Check-Valid-Until "false"' \
      ${extra:+--include="$extra"} "${hooks[@]}" "$suite" "$cache/new-$suite-$kind.tar" "$mirror" >"$work/mmdebstrap-$kind.log" 2>&1 ||
      fail "mmdebstrap failed: $(tail -n 20 "$work/mmdebstrap-$kind.log")"
    mv "$cache/new-$suite-$kind.tar" "$path"
  fi
  echo "$path"
}

# A fresh copy of a base, unpacked into folder $2.
unpack_chroot() {
  mkdir -p "$2"
  tar -xf "$1" -C "$2"
  cp /etc/resolv.conf "$2/etc/resolv.conf"
}

# Runs a command inside chroot $1 as root, with /proc, /sys and /dev of its
# own mount namespace and a clean environment.
in_chroot() {
  local root=$1
  shift
  local ccache_dir=$cache/ccache-$suite
  mkdir -p "$ccache_dir"
  unshare --mount --pid --fork --kill-child bash -c '
    set -e
    root=$1 ccache_dir=$2
    shift 2
    mount --make-rprivate /
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t tmpfs tmpfs "$root/tmp"
    cache=()
    if [ -x "$root/usr/bin/ccache" ]; then
      mkdir -p "$root/ccache"
      mount --bind "$ccache_dir" "$root/ccache"
      cache=(CCACHE_DIR=/ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "${cache[@]}" "$@"
  ' in_chroot "$root" "$ccache_dir" "$@"
}

build_base=$(base_tarball build)
test_base=$(base_tarball test)

# Builds the package in a fresh build chroot under $1, in the chroot's
# folder $2, with the environment given after; leaves the log as $1.log
# and the results in $1/results.
build_in() {
  local root=$1 folder=$2
  shift 2
  unpack_chroot "$build_base" "$root"
  mkdir -p "$root$folder"
  cp "$tarball" "$root$folder/pernoka_$version.orig.tar.xz"
  tar -xf "$tarball" -C "$root$folder"
  cp -r "$source_dir/packaging/debian" "$root$folder/$name/debian"
  in_chroot "$root" "$@" bash -c "cd '$folder/$name' && dpkg-buildpackage -us -uc -j2" >"$root.log" 2>&1 ||
    fail "dpkg-buildpackage failed; the end of $root.log:
$(tail -n 40 "$root.log")"
  mkdir -p "$root/results"
  find "$root$folder" -maxdepth 1 -type f -exec cp -t "$root/results" {} +
}

say "building $name in a clean $suite chroot"
build_in "$work/first" /build/pernoka
tested=$(grep -oE '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$work/first.log" | tail -n 1 || true)
[ -n "$tested" ] || fail "the build ran no unit test"
total=${tested##* }
unit="$((total - $(sed 's/.*passed, \([0-9]*\) tests failed.*/\1/' <<<"$tested")))/$total"
compiler=$(grep -m1 -oE 'The CXX compiler identification is .*' "$work/first.log" | sed 's/.* is //' || true)
# The compiler's warnings, Qt's deprecations among them, and CMake's about
# the project (not its note that debhelper's standard options were unused).
warning_lines='^[^ ]+:[0-9]+:([0-9]+:)? warning: |^CMake (Deprecation Warning|Warning \(dev\))'
warnings=$(grep -cE "$warning_lines" "$work/first.log" || true)
say "built with $compiler in $((SECONDS - started)) s: unit tests $unit, $warnings compiler warnings"
if ((warnings)); then
  grep -E -A3 "$warning_lines" "$work/first.log" | head -n 40
  fail "the build gave warnings"
fi

if ((reproducible)); then
  say "building again from another folder, in another time zone, with another umask, without the tests"
  build_in "$work/second" /build/again/elsewhere/pernoka TZ=Asia/Tokyo DEB_BUILD_OPTIONS=nocheck \
    DEB_BUILD_PROFILES=nocheck bash -c 'umask 0002 && exec "$@"' umask
  for deb in "$work/first/results"/*.deb; do
    other=$work/second/results/$(basename "$deb")
    [ -f "$other" ] || fail "the second build made no $(basename "$deb")"
    if ! cmp -s "$deb" "$other"; then
      command -v diffoscope >/dev/null && diffoscope --text - "$deb" "$other" | head -n 200 || true
      fail "$(basename "$deb") differs between the two builds"
    fi
  done
  reproduced="reproducible"
  say "$reproduced: $(cd "$work/first/results" && ls -- *.deb | tr '\n' ' ')identical"
fi

# lintian of the suite, and the autopkgtest against the installed package,
# in a fresh chroot of its own.
say "lintian and the end-to-end tests in a clean $suite chroot"
root=$work/test
unpack_chroot "$test_base" "$root"
mkdir -p "$root/build"
cp "$work/first/results"/* "$root/build/"
tar -xf "$tarball" -C "$root/build"
cp -r "$source_dir/packaging/debian" "$root/build/$name/debian"
lintian_status=0
in_chroot "$root" bash -c 'lintian --pedantic --display-info --fail-on error,warning /build/*.changes' \
  >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings (status $lintian_status)"
lint_tags=$(grep -cE '^[EWIPX]: ' "$work/lintian.log" || true)
lintian_version=$(in_chroot "$root" dpkg-query -W -f='${Version}' lintian)

e2e_status=0
in_chroot "$root" bash -c "autopkgtest -U --output-dir=/build/autopkgtest /build/$name /build/*.deb -- null" \
  >"$work/autopkgtest.log" 2>&1 || e2e_status=$?
cp -r "$root/build/autopkgtest" "$work/autopkgtest" 2>/dev/null || true
grep -E '^(PASS|FAIL|SKIP) |^end-to-end against' "$work/autopkgtest.log" || true
e2e=$(grep -oE 'end-to-end against .*: [0-9]+ passed, [0-9]+ failed' "$work/autopkgtest.log" | tail -n 1 |
  sed 's/.*: \([0-9]*\) passed, \([0-9]*\) failed/\1 \2/' || true)
[ -n "$e2e" ] || fail "the autopkgtest ran no end-to-end test; the end of $work/autopkgtest.log:
$(tail -n 40 "$work/autopkgtest.log")"
read -r e2e_passed e2e_failed <<<"$e2e"
if [ "$e2e_status" -ne 0 ]; then
  sed -n '/^FAIL /,/^\(PASS\|FAIL\) \|^end-to-end/p' "$work/autopkgtest.log" | head -n 200
  fail "the autopkgtest failed (status $e2e_status)"
fi

qt=$(in_chroot "$root" dpkg-query -W -f='${Version}' libqt6core6t64 2>/dev/null ||
  in_chroot "$root" dpkg-query -W -f='${Version}' libqt6core6)

# The packages and the logs stay; the chroots, some gigabytes each, go
# unless PERNOKA_KEEP_CHROOTS is set, to look into them afterwards.
mv "$work/first/results" "$work/packages"
[ -n "${PERNOKA_KEEP_CHROOTS:-}" ] || for tree in first second test; do remove_tree "$work/$tree"; done
echo "$suite: build passed ($compiler, Qt ${qt%%+*}, no warning), unit tests $unit, lintian $lintian_version clean" \
  "($lint_tags informational), end-to-end $e2e_passed/$((e2e_passed + e2e_failed))${reproduced:+, $reproduced}," \
  "$((SECONDS - started)) s"
