#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured and built tree with CPack into a
# folder of the caller's and prints the path of the .deb it wrote. The tests
# sign it with a name and address of their own, whoever runs them.
#
#   build_deb.sh <build dir> <output dir> <version>
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
version=$3
export DEBFULLNAME="Poron Puzzle tests" DEBEMAIL=tests@example.org

mkdir -p "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  exit 1
fi
deb=$out/poron-puzzle_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
  echo "FAIL: no $(basename "$deb"); CPack wrote:" >&2
  ls "$out" >&2
  exit 1
fi
echo "$deb"
