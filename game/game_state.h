// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole state of a game: both board layers and the game variables.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "board.h"
#include "display_states.h"

namespace poron {

// The generator's pad map: 1 where the walk laid a pad.
using PadMap = std::array<std::uint8_t, kCells>;

struct GameState {
    std::array<Lower, kCells> lower{};  // all blank
    std::array<Upper, kCells> upper{};  // all blank

    int frogCell = 0;
    int startCell = 0;
    int clearedStages = 0;  // 0..7
    int stuckCount = 0;
    // Unset until the first stage is laid out; then 1 in play, 0 while the frog is stuck.
    std::optional<int> gameState;
    // Unset until a difficulty is chosen; then 1, 2 or 5.
    std::optional<int> level;
    // Unset until the first stage is laid out.
    std::optional<PadMap> board;

    Lower lowerAt(int cell) const { return lower[static_cast<std::size_t>(cell)]; }
    Upper upperAt(int cell) const { return upper[static_cast<std::size_t>(cell)]; }
    bool inPlay() const { return gameState == 1; }
};

}  // namespace poron
