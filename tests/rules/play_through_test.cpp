// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole stages played through the rules: following the walk always clears a stage, and a
// player who picks targets at random never breaks the promises of a stage in play.
#include <gtest/gtest.h>

#include <random>

#include "rules_fixture.h"
#include "stage_checks.h"

namespace poron {
namespace {

using namespace test;

TEST(PlayThrough, FollowingTheWalkClearsEveryStageWithoutGettingStuck) {
    for (int level : {1, 2, 5}) {
        for (int cleared = 0; cleared <= kMaxClearedStages; ++cleared) {
            for (std::uint64_t seed = 1; seed <= 10; ++seed) {
                SCOPED_TRACE("level " + std::to_string(level) + ", cleared " +
                             std::to_string(cleared) + ", seed " + std::to_string(seed));
                RecordingWindows windows;
                MersenneRandom random(seed * 31 + static_cast<std::uint64_t>(cleared));
                GameState start;
                start.clearedStages = cleared;
                Game game(windows, random, start);
                chooseLevel(game, level);
                const Walk walk = game.lastWalk();

                bool clearedIt = false;
                for (int k = 1; k < walk.length && !clearedIt; ++k) {
                    game.Timer1_Timer();
                    const int next = walk.cells[static_cast<std::size_t>(k)];
                    ASSERT_EQ(game.state().lowerAt(next), Lower::target)
                        << "pad " << k << " of the walk is not marked\n"
                        << pictureOf(game.state());
                    clearedIt = game.state().upperAt(next) == Upper::curtain;
                    game.image2_MouseUp(next);
                    if (!clearedIt) {
                        ASSERT_EQ(game.state().frogCell, next);
                    }
                }
                EXPECT_TRUE(clearedIt) << "the walk ran out without a curtain";
                EXPECT_EQ(windows.count("continue"), 0);
                EXPECT_EQ(windows.count("stage clear"), 1);
                EXPECT_EQ(game.state().clearedStages, std::min(cleared + 1, kMaxClearedStages));
            }
        }
    }
}

TEST(PlayThrough, ARandomPlayerKeepsTheStageInPlayIntactAfterEveryStep) {
    int stageClears = 0;
    int continues = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        RecordingWindows windows;
        SeededRandom random(seed);  // start-up seeds it again, from the same seed
        std::mt19937 player(seed);
        Game game(windows, random);
        game.Form_Load();
        chooseLevel(game, seed % 3 == 0 ? 5 : seed % 3 == 1 ? 1 : 2);

        auto pads = padsOf(game.state());
        for (int step = 0; step < 3000; ++step) {
            const GameState before = game.state();
            bool newStage = false;
            bool moved = false;
            if (step % 2 == 0) {
                game.Timer1_Timer();
            } else {
                // Click a curtain if there is one, otherwise a target, each chosen at random.
                std::vector<int> choices;
                for (int i = 0; i < kCells; ++i)
                    if (before.upperAt(i) == Upper::curtain) choices.push_back(i);
                newStage = !choices.empty();
                if (choices.empty())
                    for (int i = 0; i < kCells; ++i)
                        if (before.lowerAt(i) == Lower::target) choices.push_back(i);
                if (!choices.empty()) {
                    game.image2_MouseUp(choices[player() % choices.size()]);
                    moved = !newStage;
                }
            }
            const GameState& s = game.state();
            const std::string where =
                "seed " + std::to_string(seed) + ", step " + std::to_string(step) + "\n";
            ASSERT_EQ(stageInPlayFault(s), "") << where << pictureOf(s);
            ASSERT_EQ(s.gameState, 1) << where;
            if (newStage) {
                ASSERT_EQ(s.clearedStages, std::min(before.clearedStages + 1, kMaxClearedStages))
                    << where;
                ASSERT_EQ(freshStageFault(s, game.lastWalk()), "") << where << pictureOf(s);
                pads = padsOf(s);
                ++stageClears;
            } else {
                ASSERT_EQ(padsOf(s), pads) << where << "the pads changed within a stage\n"
                                           << pictureOf(s);
                ASSERT_EQ(s.clearedStages, before.clearedStages) << where;
            }
            if (moved) {
                ASSERT_TRUE(cellsShowing(s, Lower::target).empty()) << where << pictureOf(s);
            }
        }
        continues += windows.count("continue");
    }
    EXPECT_GT(stageClears, 0) << "the play never cleared a stage";
    EXPECT_GT(continues, 0) << "the play never got stuck";
}

}  // namespace
}  // namespace poron
