#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in a private D-Bus session, where the accessibility bus starts on demand,
# on a display server of its own: a private Xvfb or a headless weston.
#
#   under_atspi.sh x11|wayland <command> [arguments...]
#
# Qt's offscreen platform has no accessibility bridge: the screen-reader tests need one of
# these. The EXIT trap ends the X server; weston is ended by under_weston.sh.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)

# Inside the session: the accessibility bus is started first, as a desktop starts it for a
# screen reader, so that Qt finds it at once and switches its accessibility on.
# The session's services see no X display: the accessibility bus has no use for one, and
# nothing of the session is left holding the X server when it ends.
in_session() {
  env -u DISPLAY dbus-run-session -- env ${DISPLAY:+DISPLAY=$DISPLAY} bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
      { echo "FAIL: the accessibility bus did not start"; exit 1; }
    exec "$@"' in_session "$@"
}
display=$1
shift

export LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_ACCESSIBILITY

case $display in
  x11)
    WORK=$(mktemp -d)
    xvfb_pid=
    cleanup() {
      if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill -TERM "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
      fi
      rm -rf "$WORK"
    }
    trap cleanup EXIT
    trap 'exit 1' TERM INT HUP
    mkdir -m 0700 "$WORK/runtime"
    export XDG_RUNTIME_DIR=$WORK/runtime
    # Xvfb picks a free display itself and reports it on fd 3; -noreset keeps it up between
    # clients.
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 800x600x24 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 200); do
      [ -s "$WORK/display" ] && break
      sleep 0.1
    done
    [ -s "$WORK/display" ] || { cat "$WORK/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY=:$(head -n1 "$WORK/display")
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    in_session "$@"
    ;;
  wayland)
    export -f in_session
    exec bash "$HERE/../wayland/under_weston.sh" bash -c 'in_session "$@"' under_weston "$@"
    ;;
  *)
    echo "usage: under_atspi.sh x11|wayland <command> [arguments...]" >&2
    exit 2
    ;;
esac
