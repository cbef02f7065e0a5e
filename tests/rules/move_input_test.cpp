// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's click on a cell: moving the frog onto a target, clicks that do nothing, and
// clearing the stage through a curtain.
#include <gtest/gtest.h>

#include "rules_fixture.h"
#include "stage_checks.h"

namespace poron {
namespace {

using namespace test;
using MoveInput = RulesTest;
using Cells = std::set<int>;

// The frog (second pose) on 44, two targets, a sunk pad, and pads elsewhere; 33 is one jump
// from 25.
const Picture kInPlay{{
    "..........",
    "..........",
    "...t.t....",
    "..xo.o....",
    "....H.....",
    "..........",
    "..........",
    "........o.",
    "..........",
    "..........",
}};

TEST_F(MoveInput, AClickOnATargetMovesTheFrogAndClearsEveryMark) {
    start(kInPlay, {.startCell = 32});
    game->image2_MouseUp(25);
    const Picture moved{{
        "..........",
        "..........",
        "...o.F....",
        "..xo.o....",
        "....x.....",
        "..........",
        "..........",
        "........o.",
        "..........",
        "..........",
    }};
    EXPECT_TRUE(showsPicture(state(), moved));
    EXPECT_EQ(state().frogCell, 25);
    EXPECT_EQ(state().startCell, 32);
    EXPECT_EQ(windows.changedCells(), (Cells{23, 25, 44}));
    EXPECT_TRUE(windows.callsBesideCells().empty());
    EXPECT_EQ(stageInPlayFault(state()), "");
}

TEST_F(MoveInput, ClicksOffTheTargetsChangeNothing) {
    struct Case {
        int cell;
        const char* what;
    };
    const Case cases[] = {
        {44, "the frog's own cell"}, {35, "an unmarked pad"}, {32, "a sunk pad"},
        {0, "a blank cell"},         {78, "a pad far away"},  {99, "a blank corner"},
    };
    for (const Case& c : cases) {
        windows.forgetCalls();
        start(kInPlay);
        const GameState before = state();
        game->image2_MouseUp(c.cell);
        EXPECT_EQ(state().lower, before.lower) << c.what;
        EXPECT_EQ(state().upper, before.upper) << c.what;
        EXPECT_EQ(state().frogCell, 44) << c.what;
        EXPECT_TRUE(windows.calls.empty()) << c.what;
    }
}

TEST_F(MoveInput, AClickAfterAMoveWaitsForTheNextTickToMarkTheNewTargets) {
    start(kInPlay);
    game->image2_MouseUp(25);
    game->image2_MouseUp(23);  // a target of the old position, a pad again now
    game->image2_MouseUp(33);  // one jump from 25, but not marked yet
    EXPECT_EQ(state().frogCell, 25);
    EXPECT_TRUE(cellsShowing(state(), Lower::target).empty());

    game->Timer1_Timer();
    EXPECT_EQ(cellsShowing(state(), Lower::target), (Cells{33}));
    game->image2_MouseUp(33);
    EXPECT_EQ(state().frogCell, 33);
    EXPECT_EQ(state().lowerAt(25), Lower::sunk);
}

// Two curtains for the final jump, the frog on 44; the stage began on 32.
const Picture kFinalJump{{
    "..........",
    "..........",
    "...C.x....",
    "..x...x...",
    "....F.....",
    "..x...x...",
    "...x.C....",
    "..........",
    "..........",
    "..........",
}};

TEST_F(MoveInput, AClickOnACurtainClearsTheStageAndLaysTheNextOne) {
    struct Case {
        int level;
        int cleared;
        int curtain;
        int clearedAfter;
    };
    const Case cases[] = {
        {1, 0, 23, 1}, {2, 3, 65, 4}, {5, 6, 23, 7}, {5, 7, 65, 7}, {1, 7, 23, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + ", cleared " + std::to_string(c.cleared) +
                     ", curtain " + std::to_string(c.curtain));
        windows.forgetCalls();
        windows.background.reset();
        start(kFinalJump,
              {.startCell = 32, .level = c.level, .clearedStages = c.cleared, .stuckCount = 2});

        // The next stage's walk, scripted so that the test knows it.
        const int padCount = 12 + c.level * c.clearedAfter;
        MersenneRandom source(static_cast<std::uint64_t>(c.level * 100 + c.cleared));
        const Walk next = generateWalk(padCount, source);
        std::vector<int> cells(next.cells.begin(), next.cells.begin() + next.length);
        random.append(drawsForWalk(cells));
        const int drawnBefore = random.drawn();

        windows.whileStageClearWindow = [&] {
            // Nothing is counted before the window is clicked away, and the ticks behind it
            // only swap the frog's pose.
            EXPECT_EQ(state().clearedStages, c.cleared);
            EXPECT_FALSE(windows.background.has_value());
            const GameState shown = state();
            game->Timer1_Timer();
            game->Timer1_Timer();
            game->Timer1_Timer();
            EXPECT_EQ(state().lower, shown.lower);
            EXPECT_EQ(cellsShowing(state(), Upper::curtain), (Cells{23, 65}));
            EXPECT_EQ(state().upperAt(44), Upper::frogHeart);
        };
        game->image2_MouseUp(c.curtain);

        EXPECT_EQ(
            windows.callsBesideCells(),
            (std::vector<std::string>{"stage clear", "background " + std::to_string(c.clearedAfter),
                                      "caption レベル" + std::to_string(c.clearedAfter)}));
        EXPECT_EQ(state().clearedStages, c.clearedAfter);
        EXPECT_EQ(state().level, c.level);
        EXPECT_EQ(state().stuckCount, 2);
        EXPECT_EQ(random.drawn() - drawnBefore, padCount);
        EXPECT_EQ(freshStageFault(state(), game->lastWalk()), "") << pictureOf(state());
        EXPECT_EQ(std::vector<int>(game->lastWalk().cells.begin(),
                                   game->lastWalk().cells.begin() + game->lastWalk().length),
                  cells);
    }
}

}  // namespace
}  // namespace poron
