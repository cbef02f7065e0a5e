// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out a stage through the game: the board, the pad map and the variables the new
// stage is handed over with, for every level and number of cleared stages.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "board_picture.h"
#include "game.h"
#include "rules_fixture.h"
#include "recording_windows.h"
#include "scripted_random.h"
#include "stage_checks.h"

namespace poron {
namespace {

using namespace test;

// Cells whose display state differs between two boards.
std::set<int> cellsDiffering(const GameState& a, const GameState& b) {
    std::set<int> cells;
    for (int i = 0; i < kCells; ++i)
        if (a.lowerAt(i) != b.lowerAt(i) || a.upperAt(i) != b.upperAt(i)) cells.insert(i);
    return cells;
}

bool includes(const std::set<int>& all, const std::set<int>& some) {
    return std::includes(all.begin(), all.end(), some.begin(), some.end());
}

const std::vector<int> kTwelve{0, 21, 2, 14, 35, 56, 77, 98, 79, 58, 37, 16};

TEST(NewStage, LaysTheScriptedWalkAndDrawsNothingElse) {
    RecordingWindows windows;
    ScriptedRandom random(drawsForWalk(kTwelve));
    Game game(windows, random);
    game.Form_Load();
    windows.forgetCalls();
    game.geazy_Click();

    EXPECT_EQ(random.drawn(), 12);
    const Picture laid{{
        "F.o.......",
        "....o.o...",
        ".o........",
        ".....o.o..",
        "..........",
        "......o.o.",
        "..........",
        ".......o.o",
        "..........",
        "........o.",
    }};
    EXPECT_TRUE(showsPicture(game.state(), laid));
    EXPECT_EQ(freshStageFault(game.state(), game.lastWalk()), "");
    EXPECT_EQ(windows.callsBesideCells(), std::vector<std::string>{"caption レベル0"});
    EXPECT_EQ(windows.changedCells(), (std::set<int>(kTwelve.begin(), kTwelve.end())));
}

TEST(NewStage, EveryLevelAndClearedCountHandsOverAFreshStageOfTheRightLength) {
    for (int level : {1, 2, 5}) {
        for (int cleared = 0; cleared <= kMaxClearedStages; ++cleared) {
            for (std::uint64_t seed = 1; seed <= 40; ++seed) {
                SCOPED_TRACE("level " + std::to_string(level) + ", cleared " +
                             std::to_string(cleared) + ", seed " + std::to_string(seed));
                RecordingWindows windows;
                MersenneRandom random(seed);
                GameState start;
                start.clearedStages = cleared;
                start.stuckCount = 3;
                Game game(windows, random, start);
                chooseLevel(game, level);

                const GameState& s = game.state();
                const int padCount = 12 + level * cleared;
                ASSERT_EQ(walkFault(game.lastWalk(), padCount), "");
                ASSERT_EQ(freshStageFault(s, game.lastWalk()), "") << pictureOf(s);
                EXPECT_EQ(s.level, level);
                EXPECT_EQ(s.clearedStages, cleared);
                EXPECT_EQ(s.stuckCount, 3);
                EXPECT_EQ(windows.callsBesideCells(),
                          std::vector<std::string>{"caption レベル" + std::to_string(cleared)});
            }
        }
    }
}

TEST(NewStage, ASecondCallWipesEverythingOfTheStageInPlay) {
    RecordingWindows windows;
    MersenneRandom random(77);
    const GameState before =
        stageFrom({{
                      "..........",
                      ".x.o......",
                      "..x.t.....",
                      "...t.C....",
                      ".....H....",
                      "...o.t.o..",
                      "....C.t...",
                      "..........",
                      "........oo",
                      "x........o",
                  }},
                  {.startCell = 11, .level = 2, .clearedStages = 4, .stuckCount = 1});
    Game game(windows, random, before);
    game.gnoml_Click();

    EXPECT_EQ(freshStageFault(game.state(), game.lastWalk()), "") << pictureOf(game.state());
    EXPECT_EQ(game.lastWalk().length, 20);
    EXPECT_TRUE(includes(windows.changedCells(), cellsDiffering(before, game.state())))
        << "a cell changed without being reported";
    EXPECT_EQ(game.state().clearedStages, 4);
    EXPECT_EQ(game.state().stuckCount, 1);
}

TEST(NewStage, AfterManyDeadEndsTheSearchedWalkStillMakesAFreshStage) {
    const std::vector<int> deadEnd{12, 33, 21, 0};
    for (int level : {1, 5}) {
        RecordingWindows windows;
        MersenneRandom tail(3);
        ScriptedRandom random({}, &tail);
        for (int k = 0; k <= kWalkRestartLimit; ++k) random.append(drawsForWalk(deadEnd));
        GameState start;
        start.clearedStages = 7;
        Game game(windows, random, start);
        chooseLevel(game, level);

        EXPECT_TRUE(game.lastWalk().usedFallback);
        EXPECT_EQ(random.left(), 0u);
        EXPECT_EQ(walkFault(game.lastWalk(), 12 + 7 * level), "");
        EXPECT_EQ(freshStageFault(game.state(), game.lastWalk()), "") << pictureOf(game.state());
    }
}

}  // namespace
}  // namespace poron
