#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A stuck frog: the "Continue？" dialog opens centred over the main window and counts down
# by itself with its messages; Yes puts the stage back to its start; the next stuck frog
# gets a fresh dialog at 9 with "手詰まり", and No ends the program with status 0.
source "$(dirname "$0")/e2e_lib.sh" "$@"

make_plan

# Client rectangles of the dialog: the count, the headline, and the rows under the labels
# where only the picture shows.
COUNT=(164 57 29 30)
HEADLINE=(0 0 193 50)
PICTURE_ROWS=(0 92 193 20)

start_xvfb
start_game
measure_board
start_easy_stage

count_hash() { region_hash $((DX + COUNT[0])) $((DY + COUNT[1])) "${COUNT[2]}" "${COUNT[3]}"; }
headline_hash() { region_hash $((DX + HEADLINE[0])) $((DY + HEADLINE[1])) "${HEADLINE[2]}" "${HEADLINE[3]}"; }
count_changed_from() {
  shoot
  [ "$(count_hash)" != "$1" ]
}
# Whether both have moved on from what the dialog showed first. A screenshot can catch a
# step half repainted (the count drawn, the headline not yet), so this is awaited.
count_and_headline_moved() {
  shoot
  [ "$(count_hash)" != "$COUNT9" ] && [ "$(headline_hash)" != "$HEADLINE9" ]
}

# Waits for the dialog, painted; sets COUNT9 and HEADLINE9, what it shows when first seen.
wait_continue_dialog() {
  wait_dialog 193 112 3
  poll 3 dialog_shows continue "${PICTURE_ROWS[@]}" || fail "the dialog does not show its picture"
  COUNT9=$(count_hash) HEADLINE9=$(headline_hash)
  expect_centred_over_main
  [ -z "$(xdotool getwindowname "$DIALOG" | tr -d ' ')" ] || fail "the dialog's caption is not empty: $(xdotool getwindowname "$DIALOG")"
}

step "the planned clicks ${STUCK[*]} leave the frog stuck"
play_targets "${STUCK[@]}"
wait_continue_dialog
keep_shot continue "$DX" "$DY" 193 112

# The steps are not read one by one: on a loaded machine a screenshot can take longer than a
# step's 1.2 s. Which message goes with which number the window tests check, tick by tick.
step "the count goes down by itself and the headline's messages follow it"
poll 3 count_and_headline_moved || fail "the count and the headline did not both move on"
keep_shot continue-8 "$DX" "$DY" 193 112
moved=$(count_hash)
poll 3 count_changed_from "$moved" || fail "the count did not move on again"
[ "$(count_hash)" != "$COUNT9" ] || fail "the count went back to what it showed first"

step "a click above the Yes area, on the painted word, does nothing"
shown=$(count_hash)
click_at $((DX + 52)) $((DY + 79))
# The count's next step shows that the dialog has handled the click.
poll 3 count_changed_from "$shown" || fail "the count stopped after a click at y 79"
dialog_shown 193 112 || fail "a click at y 79 closed the dialog"

step "Yes puts the stage back to its start"
click_at $((DX + 52)) $((DY + 92))
poll 3 dialog_gone || fail "Yes did not close the dialog"
wait_board 3 0 "${PATTERNS[@]}"
game_ended && fail "the program ended after Yes"

step "stuck again: a fresh dialog at 9 with 手詰まり, and No ends the program"
play_targets "${STUCK[@]}"
first_count=$COUNT9 first_headline=$HEADLINE9
wait_continue_dialog
[ "$COUNT9" = "$first_count" ] || fail "the second dialog does not start at the first one's count"
[ "$HEADLINE9" = "$first_headline" ] || fail "the second dialog does not start with the first one's headline"
click_at $((DX + 152)) $((DY + 92))
expect_program_end "No"
echo "PASS"
