#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window as the game starts: caption, position, fixed size, a 320 x 320 client
# area under the menu bar showing the whole title picture; an empty board that ticks and
# clicks leave alone; then ｹﾞｰﾑ → 終了 ends the program with status 0 and no output.
source "$(dirname "$0")/e2e_lib.sh" "$@"

start_xvfb
start_game

step "caption and place on the screen"
caption_is "ポロンパズル" || fail "the caption is \"$(xdotool getwindowname "$MAIN")\""
dx=$(((800 - MW) - 2 * MX)) dy=$(((600 - MH) - 2 * MY))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
  fail "the ${MW}x${MH} window at $MX,$MY is not centred on the 800x600 screen"

step "client area below the menu bar"
measure_board
echo "  window ${MW}x${MH} at $MX,$MY; menu bar $MENU_HEIGHT px; board at $BX,$BY"
[ "$MENU_HEIGHT" -ge 10 ] && [ "$MENU_HEIGHT" -le 40 ] || fail "a menu bar of $MENU_HEIGHT px"
[ "$MW" -eq 320 ] || fail "the window is $MW px wide, the board 320"
[ $((MH - MENU_HEIGHT)) -eq 320 ] || fail "the client area below the menu bar is $((MH - MENU_HEIGHT)) px high"
menu_bar_entry 1
keep_shot title "$MX" "$MY" "$MW" "$MH"

step "the window cannot be resized"
hints=$(xprop -id "$MAIN" WM_NORMAL_HINTS)
grep -q "program specified minimum size: $MW by $MH" <<<"$hints" &&
  grep -q "program specified maximum size: $MW by $MH" <<<"$hints" ||
  fail "the size hints do not pin the window at ${MW}x${MH}: $hints"

step "before a difficulty is chosen, ticks and clicks change nothing"
click_cell 45
click_cell 0 3
# The program handles its input in order: once it has opened and closed the ｹﾞｰﾑ menu
# after the clicks, it has handled them.
menu_bar_entry 1
click_at "$ENTRY_X" "$ENTRY_Y"
poll 5 popup_shown 4 || fail "the drop-down of ｹﾞｰﾑ did not open"
click_at "$ENTRY_X" "$ENTRY_Y"
only_main_window() { [ "$(program_windows)" = "$MAIN" ]; }
poll 5 only_main_window || fail "the drop-down of ｹﾞｰﾑ did not close"
read_board 0
[ -z "$(board_text)" ] || fail "the empty board shows $(board_text)"

step "ｹﾞｰﾑ → 終了"
menu_command 1 4 4
expect_program_end "終了"
echo "PASS"
