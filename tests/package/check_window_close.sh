#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a temporary prefix, starts the installed program on a
# private Xvfb server with no window manager, checks that its window appears
# with the caption "ポロンパズル", closes that window the way a desktop's close
# button does and expects the program to end with status 0.
#
#   check_window_close.sh <build dir> <send-close helper>
set -euo pipefail
build=$1
send_close=$2
caption=ポロンパズル

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill -KILL "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -s "$work/game.log" ]; then
    echo "--- the program's output:"
    cat "$work/game.log"
  fi
  exit 1
}

source "$(dirname "$0")/window_session.sh"

if ! cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  exit 1
fi

# Xvfb takes the first free display number itself and reports it on fd 3, so
# two servers started at the same moment never fight over one number.
Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=:$(head -n1 "$work/display")
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

"$work/prefix/games/poron-puzzle" >"$work/game.log" 2>&1 &
game_pid=$!

visible_windows() {
  xdotool search --onlyvisible --pid "$game_pid" >"$work/windows" 2>/dev/null && [ -s "$work/windows" ]
}
wait_for 200 visible_windows || fail "no window of the program was shown on $DISPLAY"
sleep 0.5
visible_windows || fail "the program's window vanished again"
count=$(wc -l <"$work/windows")
[ "$count" -eq 1 ] || fail "expected one window at start, the program shows $count"
window=$(head -n1 "$work/windows")

xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "window $window is not viewable"
title=$(LC_ALL=C.UTF-8 xprop -id "$window" -notype _NET_WM_NAME)
[ "$title" = "_NET_WM_NAME = \"$caption\"" ] || fail "the window's caption is: $title"

close_and_expect_exit "$send_close" "$window"
echo "the window \"$caption\" closed and the program ended with status 0"
