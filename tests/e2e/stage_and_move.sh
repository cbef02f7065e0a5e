#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# かんたん lays out the planned stage under the caption "レベル0"; a click on a marked pad
# moves the frog and sinks the pad it left, with any mouse button; ｷﾞﾌﾞｱｯﾌﾟ puts the stage
# back; ｵﾌﾟｼｮﾝ → ﾊﾞｰｼﾞｮﾝ情報 opens the version dialog over the main window and OK closes it.
source "$(dirname "$0")/e2e_lib.sh" "$@"

make_plan
start=$START
first=${STUCK[0]}

start_xvfb
start_game
measure_board

step "ｹﾞｰﾑ → かんたん: caption レベル0 and the planned stage"
start_easy_stage
wait_board 3 0 "$first=t."
keep_shot in-play "$MX" "$MY" "$MW" "$MH"

step "a click on the marked pad $first moves the frog from $start"
click_cell "$first"
wait_board 3 0 "$first=p[fh]" "$start=s."
step "the frog keeps switching poses"
wait_board 3 0 "$first=pf"
wait_board 3 0 "$first=ph"
keep_shot moved "$MX" "$MY" "$MW" "$MH"

step "ｷﾞﾌﾞｱｯﾌﾟ puts the frog back on $start"
menu_bar_entry 2
click_at "$ENTRY_X" "$ENTRY_Y"
wait_board 3 0 "${PATTERNS[@]}"

step "the right button moves the frog too"
wait_board 3 0 "$first=t."
click_cell "$first" 3
wait_board 3 0 "$first=p[fh]" "$start=s."

step "ｵﾌﾟｼｮﾝ → ﾊﾞｰｼﾞｮﾝ情報"
menu_command 3 1 1
wait_dialog 197 119 5
expect_centred_over_main
[ "$(xdotool getwindowname "$DIALOG")" = "ﾊﾞｰｼﾞｮﾝ情報" ] ||
  fail "the version dialog's caption is \"$(xdotool getwindowname "$DIALOG")\""
poll 3 dialog_shows version_logo 0 0 197 46 || fail "the version dialog does not show the logo"
keep_shot version "$DX" "$DY" 197 119
click_at $((DX + 152 + 16)) $((DY + 88 + 8))
poll 3 dialog_gone || fail "OK did not close the version dialog"
wait_board 3 0 "$first=p[fh]" "$start=s."

step "ｹﾞｰﾑ → 終了 in the middle of a stage"
menu_command 1 4 4
expect_program_end "終了"
echo "PASS"
