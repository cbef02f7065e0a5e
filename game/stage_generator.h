// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out a stage: a random walk of knight jumps over distinct cells.
#pragma once

#include <array>

#include "board.h"
#include "random_source.h"

namespace poron {

inline constexpr int kMaxClearedStages = 7;

// 12 + level x clearedStages pads, the start pad included.
constexpr int padCountFor(int level, int clearedStages) { return 12 + level * clearedStages; }

// How many times a walk that ran into a dead end (a cell whose every jump lands on a pad
// already laid) is thrown away and drawn again from a new start cell, before the generator
// turns to a backtracking search that always finds a walk. A 47-pad walk dead-ends about
// 37 % of the time, so 50 fresh walks all failing is far below one in a billion.
inline constexpr int kWalkRestartLimit = 50;

struct Walk {
    std::array<int, kCells> cells{};  // cells[0] is the start; each next one is a jump away
    int length = 0;
    int restarts = 0;       // dead-ended walks thrown away
    bool usedFallback = false;  // built by the backtracking search
};

// Draws a walk of `padCount` distinct cells (1..100). Every draw comes from `random`:
// a start draw, then one draw per jump attempt, a blocked attempt being drawn again.
Walk generateWalk(int padCount, RandomSource& random, int restartLimit = kWalkRestartLimit);

// The backtracking search on its own: a walk of `padCount` cells from `start`, the order of
// the jumps tried at each cell drawn from `random`. Always succeeds for padCount <= 100.
Walk searchWalk(int padCount, int start, RandomSource& random);

}  // namespace poron
