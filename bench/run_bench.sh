#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark against the programs of one Release build folder and prints one
# `name: value unit` line per figure, then `bench: done`. Start-up, memory and idle cost are
# measured under a private Xvfb display. Each tool's own messages (normally none) go to a
# log in the build folder and are shown after its figures.
#
#   bench/run_bench.sh BUILD_DIR
set -euo pipefail

build=$(cd "${1:?usage: run_bench.sh BUILD_DIR}" && pwd)
bench="$build/bench"
logs="$build/bench-logs"
mkdir -p "$logs"
startup_runs=15
idle_seconds=30

xvfb_pid=
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

fail() {
  echo "bench: $*" >&2
  exit 1
}

# run NAME COMMAND...: the command's stdout passes through; its stderr goes to the log, which
# is shown if the command said anything (a bench tool warns there when a figure is not what
# it claims to be, e.g. a tick that repainted more than the cells it changed).
run() {
  local name=$1
  shift
  local status=0
  "$@" 2>"$logs/$name.log" || status=$?
  if [ -s "$logs/$name.log" ]; then cat "$logs/$name.log" >&2; fi
  [ "$status" -eq 0 ] || fail "$name failed (log: $logs/$name.log)"
}

# Quiet, private settings for the Qt programs.
export XDG_RUNTIME_DIR="$logs/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# 1. The rules, 2. painting offscreen.
run rules "$bench/rules_bench"
run paint "$bench/paint_bench"

# A display of our own: Xvfb picks a free number and writes it to fd 3.
display_file="$logs/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>"$logs/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || fail "Xvfb did not start (log: $logs/xvfb.log)"
export DISPLAY=":$(cat "$display_file")"

# 3. Start-up and peak memory, the game against the bare window.
run startup "$bench/startup_meter" "$startup_runs" "$bench/poron-puzzle-first-paint" "$bench/bare_window"

# 4. Idle cost: the game itself with a stage in play and nobody clicking.
"$build/ui/poron-puzzle" 2>"$logs/idle.log" &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n1) ||
  fail "the game's window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_bar=$((HEIGHT - 320))
# "ｹﾞｰﾑ" is the first entry of the menu bar, "かんたん" the first item of its drop-down.
xdotool mousemove --window "$window" 12 $((menu_bar / 2)) click 1
sleep 0.5
xdotool mousemove --window "$window" 30 $((menu_bar + 12)) click 1
for _ in $(seq 50); do
  [ "$(xdotool getwindowname "$window")" = "レベル0" ] && break
  sleep 0.1
done
[ "$(xdotool getwindowname "$window")" = "レベル0" ] || fail "choosing かんたん laid out no stage"
xdotool mousemove 0 0  # the pointer leaves the window: nobody is there

# utime + stime of the whole process, in clock ticks.
cpu_ticks() { sed 's/^.*) //' "/proc/$game_pid/stat" | awk '{print $12 + $13}'; }
before=$(cpu_ticks)
sleep "$idle_seconds"
after=$(cpu_ticks)
awk -v used=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$idle_seconds" \
  'BEGIN { printf "idle_cpu_percent: %.3f %%\n", 100 * used / hz / s }'

echo "bench: done"
