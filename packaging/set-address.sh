#!/usr/bin/env bash
# Writes the application ID and the addresses of packaging/address.conf into
# the Debian packaging, which is static and which CMake does not make: the
# maintainer, homepage and repository of debian/control, the contact and
# source of debian/copyright, debian/upstream/metadata and debian/watch.
# The build takes the same file for the desktop entry's name, the metainfo
# and the program itself.
#   bash packaging/set-address.sh           rewrites those files
#   bash packaging/set-address.sh --check   only says which differ (the
#                                           release test runs this)
# It works on packaging/debian, or on debian/ beside a release's tree.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
check=false
[ "${1:-}" = --check ] && check=true

# NAME=value lines, the value as it stands (spaces and all).
while IFS='=' read -r name value; do
  [[ $name =~ ^PERNOKA_[A-Z_]+$ ]] && printf -v "$name" '%s' "$value"
done <"$source_dir/packaging/address.conf"
version=$(sed -n 's/^project(pernoka VERSION \([0-9.]*\) .*/\1/p' "$source_dir/CMakeLists.txt")
for debian in "$source_dir/packaging/debian" "$source_dir/debian" ""; do
  [ -z "$debian" ] || [ -f "$debian/control" ] && break
done
if [ -z "$debian" ]; then
  echo "set-address.sh: no debian/ folder beside $source_dir, nothing to do"
  exit 0
fi

# sed's replacement text takes & and | as its own.
quote() { printf '%s' "$1" | sed 's/[&|\\]/\\&/g'; }
maintainer=$(quote "$PERNOKA_DEVELOPER <$PERNOKA_MAIL>")

# Each file as it must read: a field's whole value replaced, whatever it was.
render() {
  case $1 in
    control) sed -e "s|^Maintainer: .*|Maintainer: $maintainer|" \
      -e "s|^Homepage: .*|Homepage: $(quote "$PERNOKA_HOMEPAGE")|" \
      -e "s|^Vcs-Browser: .*|Vcs-Browser: $(quote "$PERNOKA_SOURCE")|" \
      -e "s|^Vcs-Git: .*|Vcs-Git: $(quote "$PERNOKA_GIT")|" ;;
    copyright) sed -e "s|^Upstream-Contact: .*|Upstream-Contact: $maintainer|" \
      -e "s|^Source: .*|Source: $(quote "$PERNOKA_RELEASES")|" ;;
    upstream/metadata) sed -e "s|^Bug-Database: .*|Bug-Database: $(quote "$PERNOKA_BUGTRACKER")|" \
      -e "s|^Contact: .*|Contact: $maintainer|" \
      -e "s|^Repository: .*|Repository: $(quote "$PERNOKA_GIT")|" \
      -e "s|^Repository-Browse: .*|Repository-Browse: $(quote "$PERNOKA_SOURCE")|" \
      -e "s|^Screenshots: .*|Screenshots: $(quote "$PERNOKA_RELEASES$version/screenshots/")|" ;;
    watch) sed -e "s|^https\?://[^ ]* @PACKAGE@|$(quote "$PERNOKA_RELEASES") @PACKAGE@|" ;;
  esac <"$debian/$1"
}

# Checked in a folder of its own: the source tree may be read-only.
rendered=$(mktemp -d)
trap 'rm -rf "$rendered"' EXIT
status=0
for file in control copyright upstream/metadata watch; do
  render "$file" >"$rendered/new"
  if cmp -s "$debian/$file" "$rendered/new"; then
    continue
  elif $check; then
    echo "debian/$file does not hold the addresses of packaging/address.conf:"
    diff -u "$debian/$file" "$rendered/new" | tail -n +3 || true
    status=1
  else
    cp "$rendered/new" "$debian/$file"
    echo "wrote debian/$file"
  fi
done
exit $status
