#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Under openbox: the stage-clear window without any frame, with an empty caption (nothing
# for a window list to show), modal over the main window and centred over it; a click
# closes it and the next stage follows.
source "$(dirname "$0")/wm_lib.sh" "$@"

start_planned_stage

step "the planned clicks ${CLEAR[*]}"
last=${CLEAR[-1]}
play_targets "${CLEAR[@]:0:${#CLEAR[@]}-1}"
wait_board 3 0 "$last=tc"
click_cell "$last"
wait_dialog 209 112 5

step "no frame, an empty caption, modal over the main window"
frame "$DIALOG" || fail "the window manager reports no frame extents for the stage-clear window"
[ "$FL,$FR,$FT,$FB" = "0,0,0,0" ] || fail "the stage-clear window has a frame $FL,$FR,$FT,$FB"
expect_caption "$DIALOG" "the stage-clear window" " "
expect_modal_over_main "$DIALOG" "the stage-clear window"
expect_dialog_centred "the stage-clear window"
keep_screen stage-clear

step "a click closes it and the next stage follows"
click_at $((DX + 100)) $((DY + 50))
poll 5 dialog_gone || fail "a click did not close the stage-clear window"
wait_caption "レベル1" 5
echo "PASS"
