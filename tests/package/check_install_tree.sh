#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a fresh temporary prefix and checks that exactly the
# expected files arrive, and that they name one another consistently.
#
#   check_install_tree.sh <build dir> <expected file list>
set -euo pipefail
build=$1
expected=$2
app_id=io.github.poronpuzzle.PoronPuzzle

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  exit 1
fi

fail=0
(cd "$prefix" && find . -mindepth 1 ! -type d -printf '%P\n' | LC_ALL=C sort) >"$work/actual"
LC_ALL=C sort "$expected" >"$work/expected"
if ! diff -u "$work/expected" "$work/actual"; then
  echo "FAIL: the installed files differ from the list (- missing, + unexpected)"
  fail=1
fi
empty=$(find "$prefix" -mindepth 1 -type d -empty -printf '%P\n')
if [ -n "$empty" ]; then
  echo "FAIL: empty directories installed: $empty"
  fail=1
fi

program=$prefix/games/poron-puzzle
if [ ! -x "$program" ] || ! file -b "$program" | grep -q '^ELF .* executable'; then
  echo "FAIL: games/poron-puzzle is not an executable program: $(file -b "$program")"
  fail=1
fi

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [ -f "$desktop" ]; then
  exec_line=$(grep '^Exec=' "$desktop" || true)
  if [ "$exec_line" != "Exec=poron-puzzle" ]; then
    echo "FAIL: the desktop entry must start the installed program with no arguments: $exec_line"
    fail=1
  fi
  icon_line=$(grep '^Icon=' "$desktop" || true)
  if [ "$icon_line" != "Icon=$app_id" ]; then
    echo "FAIL: the desktop entry names the icon $icon_line, the theme holds $app_id"
    fail=1
  fi
fi
if [ -f "$metainfo" ]; then
  for tag in "<id>$app_id</id>" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
             "<binary>poron-puzzle</binary>"; do
    if ! grep -qF "$tag" "$metainfo"; then
      echo "FAIL: the metadata lacks $tag"
      fail=1
    fi
  done
fi
for size in 32 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || continue
  if ! file -b "$icon" | grep -q "^PNG image data, $size x $size,"; then
    echo "FAIL: $icon is not a $size x $size PNG: $(file -b "$icon")"
    fail=1
  fi
done

exit $fail
