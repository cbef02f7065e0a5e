// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Giving up: the stage back at its start, and nothing at all before the first stage.
#include <gtest/gtest.h>

#include "rules_fixture.h"
#include "stage_checks.h"

namespace poron {
namespace {

using namespace test;
using Restart = RulesTest;
using Cells = std::set<int>;

// Half way through a stage that began on 23: sunk pads, targets, a curtain, the frog in its
// second pose on 44.
const Picture kHalfWay{{
    "..........",
    "..........",
    "...x.C....",
    "..x..xo...",
    "....H.....",
    "..t...x...",
    "...x.t....",
    "........o.",
    ".o........",
    "..........",
}};

const Picture kAtStart{{
    "..........",
    "..........",
    "...F.o....",
    "..o..oo...",
    "....o.....",
    "..o...o...",
    "...o.o....",
    "........o.",
    ".o........",
    "..........",
}};

TEST_F(Restart, GivingUpPutsTheStageBackAtItsStart) {
    start(kHalfWay, {.startCell = 23, .level = 5, .clearedStages = 3, .stuckCount = 2});
    const auto padsBefore = padsOf(state());
    game->gup_Click();

    EXPECT_TRUE(showsPicture(state(), kAtStart));
    EXPECT_EQ(padsOf(state()), padsBefore);
    EXPECT_EQ(state().frogCell, 23);
    EXPECT_EQ(state().startCell, 23);
    EXPECT_EQ(state().gameState, 1);
    EXPECT_EQ(state().clearedStages, 3);
    EXPECT_EQ(state().stuckCount, 2);
    EXPECT_EQ(state().level, 5);
    EXPECT_TRUE(windows.callsBesideCells().empty()) << "caption, background or label touched";
    EXPECT_EQ(stageInPlayFault(state()), "");

    game->Timer1_Timer();  // the next tick marks the pads one jump from the start
    EXPECT_EQ(cellsShowing(state(), Lower::target), (Cells{35, 44}));
}

TEST_F(Restart, GivingUpTwiceIsGivingUpOnce) {
    start(kHalfWay, {.startCell = 23});
    game->gup_Click();
    const GameState once = state();
    windows.forgetCalls();
    game->gup_Click();
    EXPECT_EQ(state().lower, once.lower);
    EXPECT_EQ(state().upper, once.upper);
    EXPECT_EQ(state().frogCell, once.frogCell);
    EXPECT_EQ(state().gameState, 1);
    EXPECT_TRUE(windows.callsBesideCells().empty());
}

TEST_F(Restart, GivingUpBeforeAnyStageDoesNothing) {
    game = std::make_unique<Game>(windows, random);
    game->Form_Load();
    const GameState loaded = state();
    windows.forgetCalls();

    game->gup_Click();
    for (int k = 0; k < 5; ++k) game->Timer1_Timer();

    EXPECT_FALSE(state().gameState.has_value());
    EXPECT_EQ(state().upper, loaded.upper) << "a frog was drawn on the empty board";
    EXPECT_EQ(state().lower, loaded.lower);
    EXPECT_EQ(state().frogCell, 0);
    EXPECT_TRUE(windows.calls.empty()) << "the continue dialog or a repaint followed";
}

}  // namespace
}  // namespace poron
