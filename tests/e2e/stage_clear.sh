#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Clearing a stage: the planned clicks in the walk's order bring up the curtains; a click on
# one opens the borderless stage-clear window over the main window, which stays until it is
# clicked; then the caption reads "レベル1" and a 13-pad stage lies on reward picture 1.
source "$(dirname "$0")/e2e_lib.sh" "$@"

make_plan
[ "$(plan next_caption)" = "レベル1" ] || fail "the planner expects the caption \"$(plan next_caption)\""
[ "${#NEXT_PADS[@]}" -eq 13 ] || fail "the planner lays out ${#NEXT_PADS[@]} pads for the second stage"

start_xvfb
start_game
measure_board
start_easy_stage

step "the planned clicks ${CLEAR[*]}"
last=${CLEAR[-1]}
play_targets "${CLEAR[@]:0:${#CLEAR[@]}-1}"

step "curtains over the last pads; a click on the one at $last"
wait_board 3 0 "$last=tc"
keep_shot curtains "$MX" "$MY" "$MW" "$MH"
click_cell "$last"
wait_dialog 209 112 3
expect_centred_over_main
poll 3 dialog_shows stage_clear 0 0 209 112 || fail "the stage-clear window does not show its picture"
keep_shot stage-clear "$DX" "$DY" 209 112

step "the stage-clear window stays until it is clicked"
sleep 2
dialog_shown 209 112 || fail "the stage-clear window closed by itself"
caption_is "レベル0" || fail "the next stage was laid out before the click"
click_at $((DX + 100)) $((DY + 100))
poll 3 dialog_gone || fail "a click did not close the stage-clear window"

step "レベル1: 13 pads on reward picture 1"
wait_caption "レベル1" 3
stage_patterns "$NEXT_START" "${NEXT_PADS[@]}"
wait_board 3 1 "${PATTERNS[@]}"
keep_shot level1 "$MX" "$MY" "$MW" "$MH"

menu_command 1 4 4
expect_program_end "終了"
echo "PASS"
