#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack into a temporary folder and checks its
# control fields and its contents: the installed files under /usr and nothing
# else, owned by root, the program stripped and free of build-tree paths, signed
# by the one who built it (the tests' own name and address) and naming no other
# address of a placeholder domain. Without a name and address to sign with, no
# package is built.
#
#   check_deb.sh <build dir> <expected file list> <version>
set -euo pipefail
build=$(cd "$1" && pwd)
expected=$2
version=$3
arch=$(dpkg --print-architecture)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

deb=$("$(dirname "$0")/build_deb.sh" "$build" "$work/out" "$version")
dpkg-deb -I "$deb"

fail=0
check_field() {
  local got
  got=$(dpkg-deb -f "$deb" "$1")
  if [ "$got" != "$2" ]; then
    echo "FAIL: $1 is '$got', expected '$2'"
    fail=1
  fi
}
check_field Package poron-puzzle
check_field Version "$version"
check_field Architecture "$arch"
check_field Section games
builder_address=tests@example.org  # as build_deb.sh signs
builder="Poron Puzzle tests <$builder_address>"
check_field Maintainer "$builder"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || { echo "FAIL: no Description"; fail=1; }

# The package names of Depends, without their version constraints.
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | grep . \
  | LC_ALL=C sort >"$work/depends"
for needed in fonts-ipafont-gothic qt6-qpa-plugins libqt6widgets6 libqt6gui6 libqt6core6 \
              libstdc++6 libc6; do
  if ! grep -qx -- "$needed" "$work/depends"; then
    echo "FAIL: Depends lacks $needed; it is: $(dpkg-deb -f "$deb" Depends)"
    fail=1
  fi
done

# Contents: every regular file of the list under usr/, the directories that
# lead to them, and nothing more.
dpkg-deb -c "$deb" >"$work/listing"
cat "$work/listing"
awk '{ name = $6; sub(/^\.\//, "", name); sub(/\/$/, "", name);
       kind = substr($1, 1, 1);
       if (kind == "d") print name >"'"$work/dirs"'"; else print name >"'"$work/files"'" }' \
  "$work/listing"
sed 's|^|usr/|' "$expected" | LC_ALL=C sort >"$work/want-files"
LC_ALL=C sort -o "$work/files" "$work/files"
if ! diff -u "$work/want-files" "$work/files"; then
  echo "FAIL: the package's files differ from the list (- missing, + unexpected)"
  fail=1
fi
while read -r path; do
  while [ "$path" != . ]; do
    path=$(dirname "$path")
    [ "$path" = . ] || echo "$path"
  done
done <"$work/want-files" | LC_ALL=C sort -u >"$work/want-dirs"
LC_ALL=C sort -o "$work/dirs" "$work/dirs"
if ! diff -u "$work/want-dirs" "$work/dirs"; then
  echo "FAIL: the package's directories differ (- missing, + unexpected)"
  fail=1
fi
if awk '$2 != "root/root"' "$work/listing" | grep -q .; then
  echo "FAIL: entries not owned by root/root"
  fail=1
fi
mode_of() { awk -v n="./$1" '$6 == n { print $1 }' "$work/listing"; }
[ "$(mode_of usr/games/poron-puzzle)" = "-rwxr-xr-x" ] || { echo "FAIL: the program is not 0755"; fail=1; }
if awk 'substr($1, 1, 1) == "-" && $6 != "./usr/games/poron-puzzle" && $1 != "-rw-r--r--"' \
     "$work/listing" | grep -q .; then
  echo "FAIL: data files that are not 0644"
  fail=1
fi

# What the files hold.
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/games/poron-puzzle
description=$(file -b "$program")
case "$description" in
  ELF*executable*", stripped") ;;
  *) echo "FAIL: the packaged program is not a stripped executable: $description"; fail=1 ;;
esac
if readelf -d "$program" | grep -qE '\((RPATH|RUNPATH)\)'; then
  echo "FAIL: the packaged program carries a library search path:"
  readelf -d "$program" | grep -E '\((RPATH|RUNPATH)\)'
  fail=1
fi
if grep -rlF "$build" "$work/root"; then
  echo "FAIL: the files above name the build folder $build"
  fail=1
fi
metainfo=$work/root/usr/share/metainfo/io.github.poronpuzzle.PoronPuzzle.metainfo.xml
if ! grep -qF "<release version=\"$version\"" "$metainfo"; then
  echo "FAIL: the metadata's release is not version $version"
  fail=1
fi

# The changelog is signed by the builder; the copyright file names no contact
# the project does not have.
signature=$(zcat "$work/root/usr/share/doc/poron-puzzle/changelog.gz" | grep '^ -- ')
case "$signature" in
  " -- $builder  "*) ;;
  *) echo "FAIL: the changelog is signed '$signature', not by '$builder'"; fail=1 ;;
esac
if grep -q '^Upstream-Contact:' "$work/root/usr/share/doc/poron-puzzle/copyright"; then
  echo "FAIL: the copyright file names an upstream contact"
  fail=1
fi
# No other address of a placeholder domain anywhere (compressed documents are
# read through zgrep).
if find "$work/root" -type f -exec zgrep -ahoE '[[:alnum:]._%+-]*@(example\.(org|com|net)|localhost)' {} + \
    | grep -vxF "$builder_address" | sort -u | grep .; then
  echo "FAIL: the package names the placeholder mail addresses above"
  fail=1
fi

# Without DEBFULLNAME and DEBEMAIL CPack says what to set and builds nothing.
mkdir "$work/unsigned"
if env -u DEBFULLNAME -u DEBEMAIL cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/unsigned" \
    >"$work/unsigned.log" 2>&1; then
  echo "FAIL: a package was built with no DEBFULLNAME and DEBEMAIL set"
  fail=1
fi
if ! grep -q "export DEBFULLNAME='Your Name' DEBEMAIL=" "$work/unsigned.log"; then
  echo "FAIL: CPack did not say to set DEBFULLNAME and DEBEMAIL:"
  cat "$work/unsigned.log"
  fail=1
fi
if find "$work/unsigned" -name '*.deb' | grep .; then
  echo "FAIL: a package was left behind above with no DEBFULLNAME and DEBEMAIL set"
  fail=1
fi

exit $fail
