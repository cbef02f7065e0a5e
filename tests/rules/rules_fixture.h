// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A game started from a drawn position, with the recording windows and a random source
// that fails the test if anything draws from it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "board_picture.h"
#include "game.h"
#include "recording_windows.h"
#include "scripted_random.h"

namespace poron::test {

class RulesTest : public ::testing::Test {
  protected:
    void start(const Picture& picture, const StageSetup& setup = {}) {
        start(stageFrom(picture, setup));
    }
    void start(const GameState& state) { game = std::make_unique<Game>(windows, random, state); }
    const GameState& state() const { return game->state(); }

    RecordingWindows windows;
    ScriptedRandom random;
    std::unique_ptr<Game> game;
};

// The difficulty command of `level` (1, 2 or 5), as the player chooses it from the menu.
inline void chooseLevel(Game& game, int level) {
    if (level == 1)
        game.geazy_Click();
    else if (level == 2)
        game.gnoml_Click();
    else
        game.ghard_Click();
}

// Cells that show a given lower state.
inline std::set<int> cellsShowing(const GameState& state, Lower lower) {
    std::set<int> cells;
    for (int i = 0; i < kCells; ++i)
        if (state.lowerAt(i) == lower) cells.insert(i);
    return cells;
}

inline std::set<int> cellsShowing(const GameState& state, Upper upper) {
    std::set<int> cells;
    for (int i = 0; i < kCells; ++i)
        if (state.upperAt(i) == upper) cells.insert(i);
    return cells;
}

}  // namespace poron::test
