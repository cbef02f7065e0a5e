#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The package as a new user meets it: builds the .deb, lays out a fresh minimal
# Debian root of the release given (bookworm, trixie) with mmdebstrap from the
# archives apt uses here (tools/debian-sources), and inside it
# (root_session.sh, run as mmdebstrap's last hook) installs, starts, removes
# and purges the game. The root lives in a temporary folder of the build tree
# that mmdebstrap deletes itself; nothing is kept for the next run.
#
#   clean_install.sh <build dir> <version> <send-close helper> <release>
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
release=$4
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d "$build/clean-install.XXXXXX")
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

started=$SECONDS
deb=$("$here/../package/build_deb.sh" "$build" "$work/out" "$version")
echo "* built $(basename "$deb") in $((SECONDS - started)) s"

# The program in the root reaches this server through its abstract socket,
# which a chroot shares with the host.
Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }

# What the hook needs, handed down through the environment.
export CLEAN_INSTALL_DEB=$deb
export CLEAN_INSTALL_DISPLAY=:$(head -n1 "$work/display")
export CLEAN_INSTALL_SEND_CLOSE=$3
export CLEAN_INSTALL_WORK=$work

# The root is made in $TMPDIR and removed by mmdebstrap (format null), also
# when the hook fails.
"$here/../../tools/debian-sources" "$release" >"$work/sources.list"
echo "* a fresh $release root"
TMPDIR=$work mmdebstrap --variant=apt --format=null \
  --customize-hook="$here/root_session.sh" \
  "$release" /dev/null "$work/sources.list"
echo "* done in $((SECONDS - started)) s"
