// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the menu commands: the empty board before the first stage, the three
// difficulties, quitting and the version dialog.
#include <gtest/gtest.h>

#include <functional>

#include "rules_fixture.h"
#include "stage_checks.h"

namespace poron {
namespace {

using namespace test;
using StartUp = RulesTest;
using Menu = RulesTest;

TEST_F(StartUp, SetsTheVariablesSeedsTheSequenceAndShowsRewardPictureZero) {
    GameState stale;  // values a start-up must overwrite
    stale.frogCell = 7;
    stale.startCell = 9;
    stale.clearedStages = 5;
    stale.stuckCount = 3;
    start(stale);
    game->Form_Load();

    EXPECT_EQ(state().frogCell, 0);
    EXPECT_EQ(state().startCell, 0);
    EXPECT_EQ(state().clearedStages, 0);
    EXPECT_EQ(state().stuckCount, 0);
    EXPECT_FALSE(state().gameState.has_value());
    EXPECT_FALSE(state().level.has_value());
    EXPECT_FALSE(state().board.has_value());
    EXPECT_EQ(random.seedings, 1);
    EXPECT_EQ(random.drawn(), 0);
    EXPECT_EQ(windows.calls, std::vector<std::string>{"background 0"});
    EXPECT_FALSE(windows.caption.has_value()) << "the title must stay until the first stage";
}

TEST_F(StartUp, BeforeTheFirstStageTicksAndClicksDoNothing) {
    game = std::make_unique<Game>(windows, random);
    game->Form_Load();
    const GameState loaded = state();
    windows.forgetCalls();
    for (int cell = 0; cell < kCells; ++cell) {
        game->image2_MouseUp(cell);
        game->Timer1_Timer();
    }
    EXPECT_EQ(state().lower, loaded.lower);
    EXPECT_EQ(state().upper, loaded.upper);
    const Picture empty{{
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    }};
    EXPECT_TRUE(showsPicture(state(), empty));
    EXPECT_TRUE(windows.calls.empty());
}

TEST_F(StartUp, TheFirstStageHasTwelvePadsAtEveryDifficulty) {
    const std::pair<int, std::function<void(Game&)>> commands[] = {
        {1, [](Game& g) { g.geazy_Click(); }},
        {2, [](Game& g) { g.gnoml_Click(); }},
        {5, [](Game& g) { g.ghard_Click(); }},
    };
    for (const auto& [level, choose] : commands) {
        RecordingWindows w;
        SeededRandom r(static_cast<std::uint64_t>(level));  // start-up seeds it again, the same
        Game g(w, r);
        g.Form_Load();
        choose(g);
        EXPECT_EQ(g.state().level, level);
        EXPECT_EQ(walkFault(g.lastWalk(), 12), "") << "level " << level;
        EXPECT_EQ(freshStageFault(g.state(), g.lastWalk()), "");
        EXPECT_EQ(w.caption, "レベル0");
    }
}

// Half way through a stage of level 2 with three stages cleared and two continues.
const Picture kHalfWay{{
    "..........",
    "..........",
    "...x.t....",
    "..x...o...",
    "....H.....",
    "..t.......",
    "..........",
    "........o.",
    "..........",
    "..........",
}};

TEST_F(Menu, ADifficultyReplacesTheStageAndKeepsTheCounts) {
    struct Case {
        std::function<void(Game&)> choose;
        int level;
        int pads;
    };
    const Case cases[] = {
        {[](Game& g) { g.geazy_Click(); }, 1, 15},
        {[](Game& g) { g.gnoml_Click(); }, 2,
         18},  // the level already set: a fresh stage all the same
        {[](Game& g) { g.ghard_Click(); }, 5, 27},
    };
    for (const Case& c : cases) {
        RecordingWindows w;
        MersenneRandom r(static_cast<std::uint64_t>(c.pads));
        Game g(w, r,
               stageFrom(kHalfWay,
                         {.startCell = 23, .level = 2, .clearedStages = 3, .stuckCount = 2}));
        c.choose(g);
        EXPECT_EQ(g.state().level, c.level);
        EXPECT_EQ(walkFault(g.lastWalk(), c.pads), "") << "level " << c.level;
        EXPECT_EQ(freshStageFault(g.state(), g.lastWalk()), "") << pictureOf(g.state());
        EXPECT_EQ(g.state().clearedStages, 3);
        EXPECT_EQ(g.state().stuckCount, 2);
        EXPECT_EQ(w.callsBesideCells(), std::vector<std::string>{"caption レベル3"});
    }
}

TEST_F(Menu, QuitEndsTheProgramAtOnce) {
    start(kHalfWay, {.startCell = 23});
    const GameState before = state();
    EXPECT_THROW(game->gend_Click(), ProgramEnded);
    EXPECT_EQ(windows.calls, std::vector<std::string>{"end"});
    EXPECT_EQ(state().lower, before.lower);
    EXPECT_EQ(state().upper, before.upper);
}

TEST_F(Menu, TheVersionDialogChangesNothingWhileTheTimerPlaysOnBehindIt) {
    start(kHalfWay, {.startCell = 23});
    windows.whileVersionDialog = [&] { game->Timer1_Timer(); };
    game->gverinfo_Click();
    EXPECT_EQ(windows.callsBesideCells(), std::vector<std::string>{"version"});
    // The tick behind the dialog ran in full: the pose swapped and 36 was marked.
    const Picture ticked{{
        "..........",
        "..........",
        "...x.t....",
        "..x...t...",
        "....F.....",
        "..t.......",
        "..........",
        "........o.",
        "..........",
        "..........",
    }};
    EXPECT_TRUE(showsPicture(state(), ticked));
    windows.whileVersionDialog = nullptr;  // closed before the next tick
    const GameState shown = state();
    game->gverinfo_Click();
    EXPECT_EQ(state().lower, shown.lower);
    EXPECT_EQ(state().upper, shown.upper);
}

}  // namespace
}  // namespace poron
