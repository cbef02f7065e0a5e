#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Left alone, the "Continue？" dialog of a stuck frog counts down to the end and the
# program ends by itself, 12 s after the dialog opened, with status 0 and no output.
source "$(dirname "$0")/e2e_lib.sh" "$@"

make_plan
start_xvfb
start_game
measure_board
start_easy_stage
last=${STUCK[-1]}
play_targets "${STUCK[@]:0:${#STUCK[@]}-1}"
# The dialog opens after the click on the last pad, so it has been open for less time than
# has passed since this moment; a loaded machine can only make the count end later.
before_last_click=$(now_ms)
play_targets "$last"
wait_dialog 193 112 3
ran_for() { echo $((($(now_ms) - before_last_click) / 1000)); }

step "the count runs out and the program ends"
poll 7 game_ended || fail "the program still runs $(ran_for) s after the dialog opened"
ended_after=$(($(now_ms) - before_last_click))
# Ten steps of 1.2 s; Qt may deliver each up to 5 % early.
[ "$ended_after" -ge 11400 ] ||
  fail "the program ended $ended_after ms after the click that got the frog stuck, before the count ran out"
expect_program_end "the count ran out"
echo "PASS"
