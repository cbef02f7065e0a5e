#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and runs Debian's package checker on it: no error
# and no warning may be left. The informational tags are printed, not judged.
#
#   check_lintian.sh <build dir> <version>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

deb=$("$(dirname "$0")/build_deb.sh" "$1" "$work/out" "$2")
status=0
lintian --fail-on error,warning --info --display-info --no-cfg "$deb" || status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL: lintian ended with status $status: errors or warnings above, or it could not run"
  exit 1
fi
echo "lintian: no error and no warning"
