# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that start an installed program: waiting for a condition
# and closing the program's window as a desktop's close button does. Sourced;
# the caller defines fail and keeps the program's process id in game_pid.

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }

# close_and_expect_exit <send-close helper> <window>: asks the window to close
# and expects the program to end within 10 s with status 0.
close_and_expect_exit() {
  "$1" "$2" || fail "could not ask the window to close"
  wait_for 100 game_ended || fail "the program still runs 10 s after its window was closed"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
