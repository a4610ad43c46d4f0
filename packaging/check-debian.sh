#!/usr/bin/env bash
# Proves that the Debian source package builds from the release tarball as a
# distribution builds it: the tarball of the committed tree is unpacked in a
# fresh folder, packaging/debian/ goes in as debian/, dpkg-buildpackage
# builds it, lintian (pedantic) finds no error or warning in the source and
# binary packages, a second build from another folder, later, under another
# time zone and umask, gives byte-identical .deb files, and the end-to-end
# tests pass against the package's unpacked tree.
#   bash packaging/check-debian.sh [work folder]     (default: build-debian)
# The work folder is emptied first. Prints the path of the package last.
# Needs dpkg-dev, debhelper, lintian and diffoscope (diffoscope-minimal),
# besides the build dependencies in packaging/debian/control and what the
# end-to-end tests run.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=${1:-$source_dir/build-debian}
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
started=$SECONDS

say() { echo "== $*"; }
fail() { echo "check-debian.sh: $*" >&2; exit 1; }

tarball=$(bash "$source_dir/packaging/make-release.sh" HEAD "$work/release" | tail -n 1)
name=$(basename "$tarball" .tar.xz)   # pernoka-<version>
version=${name#pernoka-}
say "release $tarball"

# Builds the package in folder $1 and leaves the build's log there.
build_in() {
  local folder=$1
  mkdir -p "$folder"
  cp "$tarball" "$folder/pernoka_$version.orig.tar.xz"
  tar -xf "$tarball" -C "$folder"
  cp -r "$source_dir/packaging/debian" "$folder/$name/debian"
  (cd "$folder/$name" && dpkg-buildpackage -us -uc -j2) >"$folder/build.log" 2>&1 ||
    fail "dpkg-buildpackage in $folder failed; the end of $folder/build.log:
$(tail -n 30 "$folder/build.log")"
}

first=$work/first
build_in "$first"
changes=$(ls "$first"/pernoka_*.changes)
say "built $(basename "$changes") in $((SECONDS - started)) s"

# lintian reads the .dsc and every .deb through the .changes. Informational
# tags are shown; each one left has its reason in debian/source/lintian-overrides,
# debian/pernoka.lintian-overrides or the comment of the file it is about.
lintian_status=0
lintian --pedantic --display-info --fail-on error,warning "$changes" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings (status $lintian_status)"
# "E: pernoka source: tag …" for the source package, "E: pernoka: tag …"
# (or pernoka-dbgsym) for the binary ones.
for kind in source binary; do
  if [ "$kind" = source ]; then who='pernoka source'; else who='pernoka(-dbgsym)?'; fi
  errors=$(grep -cE "^E: $who: " "$work/lintian.log" || true)
  warnings=$(grep -cE "^W: $who: " "$work/lintian.log" || true)
  say "lintian $kind: $errors errors, $warnings warnings"
done

# Later, from a folder at another depth, in another time zone, with another
# umask: the packages must not know.
second=$work/again/second
(umask 0002 && export TZ=Asia/Tokyo && build_in "$second")
for deb in "$first"/*.deb; do
  other=$second/$(basename "$deb")
  [ -f "$other" ] || fail "the second build made no $(basename "$deb")"
  if ! cmp -s "$deb" "$other"; then
    diffoscope --text - "$deb" "$other" | head -n 200 || true
    fail "$(basename "$deb") differs between the two builds"
  fi
done
say "reproducible: identical ($(cd "$first" && ls -- *.deb | tr '\n' ' '))"

deb=$(ls "$first"/pernoka_"$version"-*_*.deb)
tree=$work/tree
dpkg-deb -x "$deb" "$tree"
say "end-to-end tests against $tree/usr/games/pernoka"
(cd "$first/$name" && AUTOPKGTEST_TMP="$work/e2e" PERNOKA_PROGRAM="$tree/usr/games/pernoka" debian/tests/e2e) ||
  fail "end-to-end tests against the package failed"
say "check-debian.sh took $((SECONDS - started)) s"
echo "$deb"
