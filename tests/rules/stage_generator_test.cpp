// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The stage generator on its own: which cell each draw picks, the exact order of the draws,
// walks that run into a dead end, and the backtracking search behind them.
#include "stage_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "scripted_random.h"
#include "stage_checks.h"

namespace poron {
namespace {

using test::drawsForWalk;
using test::pick;
using test::ScriptedRandom;
using test::walkFault;

std::vector<int> cellsOf(const Walk& walk) {
    return {walk.cells.begin(), walk.cells.begin() + walk.length};
}

TEST(RandomChoice, IsTheFloorOfTheDrawTimesTheNumberOfThings) {
    const double justBelowOne = std::nextafter(1.0, 0.0);
    struct Case {
        double r;
        int m;
        int chosen;
    };
    const Case cases[] = {
        {0.0, 2, 0},          {0.4999999, 2, 0}, {0.5, 2, 1},      {justBelowOne, 2, 1},
        {0.0099, 100, 0},     {0.01, 100, 1},    {0.999, 100, 99}, {justBelowOne, 100, 99},
        {justBelowOne, 8, 7}, {0.375, 8, 3},
    };
    for (const Case& c : cases) {
        ScriptedRandom random({c.r});
        EXPECT_EQ(random.choose(c.m), c.chosen) << "r = " << c.r << ", m = " << c.m;
    }
}

TEST(WalkDraws, EachDrawPicksTheJumpAtItsPlaceInJumpOrder) {
    struct Case {
        int from;
        std::vector<int> pickedByDraw;  // the cell that draw d = 0, 1, ... lands on
    };
    const Case cases[] = {
        {0, {21, 12}},
        {10, {31, 2, 22}},
        {98, {79, 77, 86}},
        {11, {32, 30, 3, 23}},
        {44, {25, 23, 65, 63, 32, 52, 36, 56}},
    };
    for (const Case& c : cases) {
        const int k = static_cast<int>(c.pickedByDraw.size());
        for (int d = 0; d < k; ++d) {
            ScriptedRandom random({pick(c.from, 100), pick(d, k)});
            const Walk walk = generateWalk(2, random);
            EXPECT_EQ(cellsOf(walk),
                      (std::vector<int>{c.from, c.pickedByDraw[static_cast<std::size_t>(d)]}))
                << "from " << c.from << " with d = " << d;
            EXPECT_EQ(random.drawn(), 2);
        }
    }
}

TEST(WalkDraws, ABlockedDrawIsDrawnAgainFromTheSameCell) {
    // 0 -> 21; from 21 (jumps -19, -21, 21, 19, -8, 12) d = 1 lands on 0, already a pad,
    // twice; then d = 0 goes to 2.
    ScriptedRandom random({pick(0, 100), pick(0, 2), pick(1, 6), pick(1, 6), pick(0, 6)});
    const Walk walk = generateWalk(3, random);
    EXPECT_EQ(cellsOf(walk), (std::vector<int>{0, 21, 2}));
    EXPECT_EQ(random.left(), 0u);
    EXPECT_EQ(walk.restarts, 0);
    EXPECT_FALSE(walk.usedFallback);
}

TEST(WalkDraws, AWalkWithoutBlockedDrawsTakesOneStartDrawAndOneDrawPerJump) {
    const std::vector<int> cells{0, 21, 2, 14, 35, 56, 77, 98, 79, 58, 37, 16};
    ScriptedRandom random(drawsForWalk(cells));
    const Walk walk = generateWalk(12, random);
    EXPECT_EQ(cellsOf(walk), cells);
    EXPECT_EQ(random.drawn(), 12);
}

TEST(WalkDraws, ReplayingTheDrawsOfAnyWalkLaysTheSameWalk) {
    // Whatever walk the real sequence lays, its draws without the blocked ones lay it again,
    // and nothing else is drawn.
    for (int padCount : {12, 26, 47}) {
        MersenneRandom source(1234 + static_cast<std::uint64_t>(padCount));
        const Walk original = generateWalk(padCount, source);
        ASSERT_EQ(walkFault(original, padCount), "");
        ScriptedRandom replay(drawsForWalk(cellsOf(original)));
        const Walk again = generateWalk(padCount, replay);
        EXPECT_EQ(cellsOf(again), cellsOf(original)) << padCount << " pads";
        EXPECT_EQ(replay.drawn(), padCount);
    }
}

// 12 -> 33 -> 21 -> 0 leaves the corner with both of its jumps (21 and 12) taken.
const std::vector<int> kDeadEnd{12, 33, 21, 0};
const std::vector<int> kTwelve{0, 21, 2, 14, 35, 56, 77, 98, 79, 58, 37, 16};

TEST(WalkDeadEnds, ADeadEndThrowsTheWalkAwayAndDrawsAFreshStart) {
    std::vector<double> script = drawsForWalk(kDeadEnd);
    const std::vector<double> good = drawsForWalk(kTwelve);
    script.insert(script.end(), good.begin(), good.end());
    ScriptedRandom random(script);
    const Walk walk = generateWalk(12, random);
    EXPECT_EQ(cellsOf(walk), kTwelve);
    EXPECT_EQ(walk.restarts, 1);
    EXPECT_FALSE(walk.usedFallback);
    EXPECT_EQ(random.drawn(), 4 + 12) << "a dead end must not draw: it has no open jump";
}

TEST(WalkDeadEnds, AfterTheRestartLimitTheSearchBuildsTheWalk) {
    for (int deadEnds : {kWalkRestartLimit, kWalkRestartLimit + 1}) {
        MersenneRandom tail(7);
        ScriptedRandom random({}, &tail);
        for (int k = 0; k < deadEnds; ++k) random.append(drawsForWalk(kDeadEnd));
        random.append(drawsForWalk(kTwelve));
        const Walk walk = generateWalk(12, random);
        EXPECT_EQ(walkFault(walk, 12), "") << deadEnds << " dead ends";
        EXPECT_EQ(walk.restarts, deadEnds);
        const bool searched = deadEnds > kWalkRestartLimit;
        EXPECT_EQ(walk.usedFallback, searched) << deadEnds << " dead ends";
        if (!searched) {
            EXPECT_EQ(cellsOf(walk), kTwelve);
        }
    }
}

TEST(WalkDeadEnds, WithNoRestartsAllowedTheFirstDeadEndGoesStraightToTheSearch) {
    for (int padCount : {12, 26, 47}) {
        MersenneRandom tail(static_cast<std::uint64_t>(padCount));
        ScriptedRandom random(drawsForWalk(kDeadEnd), &tail);
        const Walk walk = generateWalk(padCount, random, 0);
        EXPECT_EQ(walkFault(walk, padCount), "");
        EXPECT_TRUE(walk.usedFallback);
        EXPECT_EQ(walk.restarts, 1);
    }
}

TEST(WalkSearch, FindsAValidWalkOfEveryStageLengthFromEveryStartCell) {
    std::set<int> lengths;
    for (int level : {1, 2, 5})
        for (int cleared = 0; cleared <= kMaxClearedStages; ++cleared)
            lengths.insert(padCountFor(level, cleared));
    MersenneRandom random(99);
    for (int padCount : lengths) {
        for (int start = 0; start < kCells; ++start) {
            const Walk walk = searchWalk(padCount, start, random);
            ASSERT_EQ(walkFault(walk, padCount), "") << padCount << " pads from " << start;
            ASSERT_EQ(walk.cells[0], start) << padCount << " pads from " << start;
            ASSERT_TRUE(walk.usedFallback);
        }
    }
}

TEST(WalkSearch, CoversTheWholeBoardFromEveryCorner) {
    MersenneRandom random(5);
    for (int start : {0, 9, 90, 99, 44}) {
        const Walk walk = searchWalk(kCells, start, random);
        EXPECT_EQ(walkFault(walk, kCells), "") << "from " << start;
        EXPECT_EQ(walk.cells[0], start);
    }
}

TEST(WalkDraws, EveryLevelAndClearedCountGivesValidWalksThatTakeEveryJump) {
    // Which (cell, jump) pairs some walk took, over all lengths; every legal one must show up.
    std::set<std::pair<int, int>> taken;
    int restartedWalks = 0;
    for (int level : {1, 2, 5}) {
        for (int cleared = 0; cleared <= kMaxClearedStages; ++cleared) {
            const int padCount = padCountFor(level, cleared);
            for (std::uint64_t seed = 1; seed <= 200; ++seed) {
                MersenneRandom random(seed * 1000 +
                                      static_cast<std::uint64_t>(level * 10 + cleared));
                const Walk walk = generateWalk(padCount, random);
                ASSERT_EQ(walkFault(walk, padCount), "")
                    << "level " << level << ", cleared " << cleared << ", seed " << seed;
                if (walk.restarts > 0) ++restartedWalks;
                for (int k = 1; k < walk.length; ++k) {
                    const int from = walk.cells[static_cast<std::size_t>(k - 1)];
                    taken.insert({from, walk.cells[static_cast<std::size_t>(k)] - from});
                }
            }
        }
    }
    EXPECT_GT(restartedWalks, 0) << "no walk ran into a dead end, so that path went untested";
    for (int cell = 0; cell < kCells; ++cell)
        for (int offset : jumpsFrom(cell))
            EXPECT_TRUE(taken.count({cell, offset}))
                << "no walk jumped from " << cell << " by " << offset;
}

TEST(WalkDraws, FromACornerBothFirstJumpsAreEquallyLikely) {
    // Corner -> {first jump a, first jump b}.
    struct Corner {
        int cell;
        int a;
        int b;
        int countA = 0;
        int countB = 0;
    };
    Corner corners[] = {{0, 21, 12}, {9, 28, 17}, {90, 71, 82}, {99, 78, 87}};
    MersenneRandom random(2024);
    for (int k = 0; k < 200000; ++k) {
        const Walk walk = generateWalk(12, random);
        for (Corner& c : corners) {
            if (walk.cells[0] != c.cell) continue;
            if (walk.cells[1] == c.a)
                ++c.countA;
            else if (walk.cells[1] == c.b)
                ++c.countB;
            else
                ADD_FAILURE() << "from corner " << c.cell << " the walk went to " << walk.cells[1];
        }
    }
    for (const Corner& c : corners) {
        const int n = c.countA + c.countB;
        ASSERT_GT(n, 1500) << "corner " << c.cell << " was drawn as start only " << n << " times";
        EXPECT_NEAR(static_cast<double>(c.countA) / n, 0.5, 0.06) << "corner " << c.cell;
    }
}

}  // namespace
}  // namespace poron
