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
play_targets "${STUCK[@]}"
wait_dialog 193 112 3
opened=$(now_ms)

step "the program still runs while the count goes on"
sleep 9
game_ended && fail "the program ended $((($(now_ms) - opened) / 1000)) s after the dialog opened"
dialog_shown 193 112 || fail "the dialog closed before the count ran out"

step "the count runs out"
poll 7 game_ended || fail "the program still runs $((($(now_ms) - opened) / 1000)) s after the dialog opened"
expect_program_end "the count ran out"
echo "PASS"
