#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A stuck frog: the "Continue？" dialog opens centred over the main window and counts down
# every 1.2 s with its messages; Yes puts the stage back to its start; the next stuck frog
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
# At 8 the count and the headline change together, but a screenshot can catch the step half
# repainted, the count drawn and the headline not yet. So the headline is awaited while the
# count shows its first new number; a second new number first means the headline stayed.
# (Each step of the count is seen as long as a screenshot takes less than its 1.2 s.)
first_step_shown() {
  local count
  shoot
  count=$(count_hash)
  [ "$count" != "$COUNT9" ] || return 1
  first_number=${first_number:-$count}
  [ "$count" = "$first_number" ] || fail "at 8 the headline did not change"
  [ "$(headline_hash)" != "$HEADLINE9" ]
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

step "the count goes down with the headline's messages"
first_number=
poll 3 first_step_shown || fail "the count did not change"
count8=$(count_hash) headline8=$(headline_hash)
keep_shot continue-8 "$DX" "$DY" 193 112
# At 7 only the count is repainted.
poll 3 count_changed_from "$count8" || fail "the count did not change again"
[ "$(count_hash)" != "$COUNT9" ] || fail "the count went back to what it showed first"
[ "$(headline_hash)" = "$headline8" ] || fail "at 7 the headline changed"

step "a click above the Yes area, on the painted word, does nothing"
count7=$(count_hash)
click_at $((DX + 52)) $((DY + 79))
# The count's next step shows that the dialog has handled the click.
poll 3 count_changed_from "$count7" || fail "the count stopped after a click at y 79"
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
