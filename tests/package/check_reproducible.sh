#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice from the same source and checks that the two .deb files
# are the same bytes. The two builds differ in everything a build must not depend on:
#
#   one: the checkout itself, built in <work>/one/build, the date from the last commit;
#   two: a copy of the checkout's files made now (so every file has a new modification
#        time) under a longer path, built in a folder inside it, later, with
#        SOURCE_DATE_EPOCH given, under another host name, time zone, locale and umask.
#
# On a difference it names what differs: diffoscope's report when it is installed, else the
# archive members and the files inside them whose bytes, mode, owner or date differ.
#
#   check_reproducible.sh <source dir> <work dir>
set -euo pipefail
source_dir=$(cd "$1" && pwd)
mkdir -p "$2"
work=$(cd "$2" && pwd)
build_deb=$(dirname "$(readlink -f "$0")")/build_deb.sh

if ! git -C "$source_dir" rev-parse --show-toplevel >/dev/null 2>&1; then
  echo "FAIL: $source_dir is not a git checkout: the test copies the checkout's files" >&2
  exit 1
fi
rm -rf "$work/one" "$work/two"
mkdir -p "$work/one" "$work/two"

# build <source> <build folder> <package folder>: configures, builds what the package holds
# (the program, the icons and the documents; nothing of the tests) and packs it.
build() {
  local started=$SECONDS
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$2.configure.log" 2>&1 ||
    { cat "$2.configure.log"; return 1; }
  local version
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$2/CMakeCache.txt")
  cmake --build "$2" --target poron-puzzle poron-icons poron-docs >"$2.build.log" 2>&1 ||
    { tail -50 "$2.build.log"; return 1; }
  "$build_deb" "$2" "$3" "$version" >"$3.path"
  echo "  built $(cat "$3.path") in $((SECONDS - started)) s"
}

echo "build one: $source_dir in $work/one/build"
(unset SOURCE_DATE_EPOCH; build "$source_dir" "$work/one/build" "$work/one/deb")

# The files of the checkout as they are now, committed or not.
copy=$work/two/a-much-longer-folder-for-the-second-copy/poron-puzzle
mkdir -p "$copy"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
   while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
   tar --null -T - -cf -) | tar -xmf - -C "$copy"
epoch=$(git -C "$source_dir" log -1 --format=%ct)
echo "build two: a copy in $copy/build, SOURCE_DATE_EPOCH=$epoch"
# Another host name needs a namespace of its own, which only root may make.
rename_host=(unshare --uts bash -c 'hostname poron-second-builder && exec "$@"' -)
if ! "${rename_host[@]}" true 2>/dev/null; then
  echo "  (not root: the second build keeps this host's name)"
  rename_host=()
fi
export -f build
env SOURCE_DATE_EPOCH="$epoch" TZ=Asia/Tokyo LC_ALL=C.UTF-8 LANG=C.UTF-8 \
    build_deb="$build_deb" copy="$copy" work="$work" \
  "${rename_host[@]}" bash -c 'umask 0002 && build "$copy" "$copy/build" "$work/two/deb"'

one=$(cat "$work/one/deb.path")
two=$(cat "$work/two/deb.path")
sha256sum "$one" "$two"
if cmp -s "$one" "$two"; then
  echo "PASS: the two builds give the same package"
  exit 0
fi

echo "FAIL: the two builds give different packages"
if command -v diffoscope >/dev/null; then
  diffoscope --no-progress "$one" "$two" || true
  exit 1
fi

# Without diffoscope: the archive members, then the files of each tar member.
unpack() {
  mkdir -p "$2" && (cd "$2" && ar x "$1")
  for member in "$2"/*.tar*; do
    mkdir -p "$member.d"
    tar -xf "$member" -C "$member.d"
    tar --full-time -tvf "$member" | LC_ALL=C sort -k6 >"$member.listing"
    (cd "$member.d" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum) \
      >"$member.sums"
  done
}
unpack "$one" "$work/one/unpacked"
unpack "$two" "$work/two/unpacked"
for member in $(ar t "$one") $(ar t "$two"); do echo "$member"; done | LC_ALL=C sort -u |
  while read -r member; do
    a=$work/one/unpacked/$member b=$work/two/unpacked/$member
    if [ ! -e "$a" ] || [ ! -e "$b" ]; then
      echo "member $member: only in one of the packages"
    elif ! cmp -s "$a" "$b"; then
      echo "member $member differs"
      if [ -e "$a.listing" ]; then
        diff -u --label "one: $member" --label "two: $member" "$a.listing" "$b.listing" || true
        diff -u --label "one: $member contents" --label "two: $member contents" \
          "$a.sums" "$b.sums" || true
      fi
    fi
  done
echo "the ar headers of both packages:"
ar tv "$one"
ar tv "$two"
exit 1
