// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the promises a stage keeps. Each returns an empty string when the promise holds,
// otherwise says what is wrong. They work from rows and columns alone, not from the game's
// own jump tables, so a fault in those tables shows up here.
#pragma once

#include <string>

#include "game_state.h"
#include "stage_generator.h"

namespace poron::test {

// Whether a knight can jump from one cell to the other without leaving the board.
bool isKnightJump(int from, int to);

// `walk` has exactly `padCount` distinct cells on the board, each one knight jump from the one
// before. Cheap enough to run on a million walks.
std::string walkFault(const Walk& walk, int padCount);

// The four promises of a stage in play:
//  1. a frog picture at frogCell and nowhere else, 2. a plain pad under it,
//  3. every target one jump from the frog, 4. a curtain only above a target.
std::string stageInPlayFault(const GameState& state);

// A stage exactly as the generator hands it over for `walk`: pads at the walk's cells and
// blank elsewhere, no target, the frog in its first pose on the start pad and nothing else
// on the upper layer, the pad map matching, frogCell = startCell = the walk's start, and
// the stage in play.
std::string freshStageFault(const GameState& state, const Walk& walk);

}  // namespace poron::test
