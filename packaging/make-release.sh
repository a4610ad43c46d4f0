#!/usr/bin/env bash
# Makes the release tarball pernoka-<version>.tar.xz and its .sha256 from a
# committed tree, and prints the tarball's path as its last line.
#   bash packaging/make-release.sh [commit [output folder]]
# (default: HEAD, build-release). The version is the one CMakeLists.txt of
# that commit names. The same commit gives the same bytes: every time is the
# commit's, names are sorted, owner and group are 0 without names, modes are
# 644 and 755, and xz runs on one thread. .gitattributes keeps out with
# export-ignore what only this repository's CI and packaging checks need.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=${1:-HEAD}
out=${2:-$source_dir/build-release}

cd "$source_dir"
git rev-parse --verify --quiet "$commit^{commit}" >/dev/null || { echo "make-release.sh: no commit $commit" >&2; exit 1; }
version=$(git show "$commit:CMakeLists.txt" | sed -n 's/^project(pernoka VERSION \([0-9.]*\) .*/\1/p')
[ -n "$version" ] || { echo "make-release.sh: no project version in CMakeLists.txt of $commit" >&2; exit 1; }
[ "$commit" != HEAD ] || git diff --quiet HEAD -- || echo "make-release.sh: uncommitted changes are not in the tarball" >&2
epoch=$(git log -1 --format=%ct "$commit")
name=pernoka-$version

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# git archive applies export-ignore; tar then writes the tree its own way,
# whatever the umask and the git version.
git archive --format=tar --prefix="$name/" "$commit" | tar -x -C "$work"
mkdir -p "$out"
out=$(cd "$out" && pwd)
tar -C "$work" --create --format=gnu --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
  --mode='a+rX,u+w,go-w' "$name" | xz -T1 -6 -c >"$out/$name.tar.xz"
(cd "$out" && sha256sum "$name.tar.xz" >"$name.tar.xz.sha256")
echo "$out/$name.tar.xz"
