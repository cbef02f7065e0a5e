#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on Qt's wayland platform under a private, headless weston (pixman
# renderer, 800 x 600, screenshots allowed):
#
#   under_weston.sh <program> [arguments...]
#
# Waits for the compositor's socket with a deadline; ends the compositor on the way out.
set -euo pipefail

export LC_ALL=C.UTF-8
WORK=$(mktemp -d)
mkdir -m 0700 "$WORK/runtime"
export XDG_RUNTIME_DIR=$WORK/runtime
SOCKET=poron-wayland-$$

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# Ends weston: asked first, then, if it has not gone within 5 s, forced.
weston_pid=
cleanup() {
  if [ -n "$weston_pid" ] && kill -0 "$weston_pid" 2>/dev/null; then
    kill -TERM "$weston_pid" 2>/dev/null || true
    local deadline=$(($(now_ms) + 5000))
    while kill -0 "$weston_pid" 2>/dev/null && [ "$(now_ms)" -lt "$deadline" ]; do sleep 0.1; done
    kill -KILL "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' TERM INT HUP

weston --backend=headless-backend.so --use-pixman --width=800 --height=600 --idle-time=0 \
  --socket="$SOCKET" --debug >"$WORK/weston.log" 2>&1 &
weston_pid=$!

deadline=$(($(now_ms) + 20000))
until [ -S "$XDG_RUNTIME_DIR/$SOCKET" ]; do
  if ! kill -0 "$weston_pid" 2>/dev/null || [ "$(now_ms)" -ge "$deadline" ]; then
    echo "FAIL: weston did not start"
    cat "$WORK/weston.log"
    exit 1
  fi
  sleep 0.1
done

unset DISPLAY
export WAYLAND_DISPLAY=$SOCKET QT_QPA_PLATFORM=wayland
"$@"
