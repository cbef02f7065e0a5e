#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Under openbox: a stuck frog's continue dialog in a fixed frame (no resize, no maximise)
# that wants no minimise or maximise button, with an empty caption and no icon of its own,
# modal over the main window and centred over it; minimised, it comes back at once with the
# main window, still counting; the window manager's close acts as Yes and puts the stage back
# to its start.
source "$(dirname "$0")/wm_lib.sh" "$@"

start_planned_stage

step "the planned clicks ${STUCK[*]} leave the frog stuck"
play_targets "${STUCK[@]}"
wait_dialog 193 112 5
expect_fixed_frame "$DIALOG" "the continue dialog"
expect_caption "$DIALOG" "the continue dialog" " "
expect_modal_over_main "$DIALOG" "the continue dialog"
expect_no_minimise_hints "$DIALOG" "the continue dialog"
expect_dialog_centred "the continue dialog"
keep_screen continue

step "minimised, the continue dialog comes back at once with the main window"
expect_comes_back_when_minimised "$DIALOG" "the continue dialog"
game_ended && fail "the program ended while the continue dialog was minimised"

step "the window manager's close acts as Yes"
close_window "$DIALOG"
poll 5 dialog_gone || fail "the window manager's close did not close the continue dialog"
stage_patterns "$START" "${PADS[@]}"
wait_board 5 0 "${PATTERNS[@]}"
caption_is "レベル0" || fail "the caption is \"$(xdotool getwindowname "$MAIN")\" after the restart"
game_ended && fail "closing the continue dialog ended the program"
echo "PASS"
