#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Under openbox: the main window in a fixed frame (no resize, no maximise) with its caption
# and the frog icon, centred on the screen frame included; the version dialog in a fixed
# frame captioned "ﾊﾞｰｼﾞｮﾝ情報" that wants no minimise or maximise button, modal over the
# main window and centred over it; asked to maximise or to fill the screen, either window
# stays as it is; minimised, the version dialog comes back with the main window; closing the
# main window through the window manager ends the program with status 0.
source "$(dirname "$0")/wm_lib.sh" "$@"

start_desktop
start_game

step "the main window"
expect_main_centred
expect_fixed_frame "$MAIN" "the main window"
expect_caption "$MAIN" "the main window" "ポロンパズル"
xprop -id "$MAIN" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the main window does not carry the 32 x 32 frog icon"
measure_board
keep_screen main

step "ｵﾌﾟｼｮﾝ → ﾊﾞｰｼﾞｮﾝ情報"
menu_command 3 1 1
wait_dialog 197 119 5
expect_fixed_frame "$DIALOG" "the version dialog"
expect_caption "$DIALOG" "the version dialog" "ﾊﾞｰｼﾞｮﾝ情報"
expect_modal_over_main "$DIALOG" "the version dialog"
expect_no_minimise_hints "$DIALOG" "the version dialog"
expect_dialog_centred "the version dialog"
keep_screen version

step "asked to maximise or to fill the screen, the version dialog keeps its size and place"
expect_keeps_its_size "$DIALOG" "the version dialog"

step "minimised, the version dialog comes back at once with the main window"
expect_comes_back_when_minimised "$DIALOG" "the version dialog"

step "the window manager's close closes the version dialog like OK"
close_window "$DIALOG"
poll 5 dialog_gone || fail "the window manager's close did not close the version dialog"
game_ended && fail "closing the version dialog ended the program"

step "asked to maximise or to fill the screen, the main window keeps its size and place"
expect_keeps_its_size "$MAIN" "the main window"

step "the window manager's close on the main window ends the program"
close_window "$MAIN"
expect_program_end "the window manager closed the main window"
echo "PASS"
