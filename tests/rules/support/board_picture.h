// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Boards written as ten strings of ten letters, one letter per cell, for setting up a
// position and for showing a board in a failure message:
//   '.' blank          'o' pad            't' target          'x' sunk
//   'F' frog on a pad  'H' heart frog on a pad                'C' curtain over a target
// Printing marks any other pairing of the two layers with '?' and lists those cells.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game_state.h"

namespace poron::test {

using Picture = std::array<std::string_view, kRows>;

// The game variables that a picture does not show.
struct StageSetup {
    std::optional<int> startCell;  // default: the frog's cell
    int level = 1;
    int clearedStages = 0;
    int stuckCount = 0;
    std::optional<int> gameState = 1;
};

// A stage in play as drawn: `frogCell` is the cell of the one 'F' or 'H' (0 when there is
// none), `board` marks every cell that is not '.'. Throws on a malformed picture.
GameState stageFrom(const Picture& picture, const StageSetup& setup = {});

// The board of `state` in the same letters, one row a line.
std::string pictureOf(const GameState& state);

// Both layers of `state` are exactly as drawn.
::testing::AssertionResult showsPicture(const GameState& state, const Picture& expected);

// The set of cells holding a pad (any lower state but blank).
std::array<bool, kCells> padsOf(const GameState& state);

}  // namespace poron::test
