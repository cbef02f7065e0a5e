// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The turn engine: one tick's gate, pose swap, marking, final-jump curtains and the stuck
// frog's continue dialog.
#include <gtest/gtest.h>

#include "rules_fixture.h"
#include "stage_checks.h"

namespace poron {
namespace {

using namespace test;
using TurnEngine = RulesTest;
using Cells = std::set<int>;

// Every cell a pad, the frog on `frog`.
GameState allPadsWithFrogAt(int frog) {
    GameState s = stageFrom({{
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
        "oooooooooo",
    }});
    s.upper[static_cast<std::size_t>(frog)] = Upper::frog;
    s.frogCell = s.startCell = frog;
    return s;
}

TEST_F(TurnEngine, DoesNothingUnlessTheStageIsInPlay) {
    for (std::optional<int> gate :
         {std::optional<int>{}, std::optional<int>{0}, std::optional<int>{2}}) {
        windows.forgetCalls();
        start({{
                  "..........",
                  "..........",
                  "...o.o....",
                  "..o...o...",
                  "....F.....",
                  "..o...o...",
                  "...o.o....",
                  "..........",
                  "..........",
                  "..........",
              }},
              StageSetup{.startCell = {}, .gameState = gate});
        const GameState before = state();
        game->Timer1_Timer();
        EXPECT_EQ(state().lower, before.lower);
        EXPECT_EQ(state().upper, before.upper) << "the frog changed its pose";
        EXPECT_EQ(state().gameState, gate);
        EXPECT_TRUE(windows.calls.empty());
    }
}

TEST_F(TurnEngine, SwapsTheFrogsPoseOnEveryTick) {
    start({{
        "..........",
        "..........",
        "...o......",
        "..........",
        "....F.....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    }});
    game->Timer1_Timer();
    EXPECT_EQ(state().upperAt(44), Upper::frogHeart);
    game->Timer1_Timer();
    EXPECT_EQ(state().upperAt(44), Upper::frog);
}

TEST_F(TurnEngine, MarksExactlyThePadsOfTheLegalJumps) {
    struct Case {
        int frog;
        Cells targets;
    };
    const Case cases[] = {
        {0, {12, 21}},     {9, {17, 28}},  // 9 + 12 = 21 lies across the right edge
        {19, {7, 27, 38}}, {44, {23, 25, 36, 56, 32, 52, 63, 65}},
        {99, {78, 87}},    {90, {71, 82}},
    };
    for (const Case& c : cases) {
        windows.forgetCalls();
        start(allPadsWithFrogAt(c.frog));
        game->Timer1_Timer();
        EXPECT_EQ(cellsShowing(state(), Lower::target), c.targets) << "frog at " << c.frog;
        EXPECT_TRUE(cellsShowing(state(), Upper::curtain).empty());
        Cells repainted = c.targets;
        repainted.insert(c.frog);
        EXPECT_EQ(windows.changedCells(), repainted) << "frog at " << c.frog;
        EXPECT_EQ(stageInPlayFault(state()), "");
    }
}

TEST_F(TurnEngine, LeavesSunkBlankAndMarkedCellsAsTheyAre) {
    start({{
        "o.........",
        "..........",
        "...x.....o",
        "..t...o...",
        "....F.....",
        "..o...x...",
        "...o.o....",
        "..........",
        "..........",
        "..........",
    }});
    game->Timer1_Timer();
    const Picture marked{{
        "o.........",
        "..........",
        "...x.....o",
        "..t...t...",
        "....H.....",
        "..t...x...",
        "...t.t....",
        "..........",
        "..........",
        "..........",
    }};
    EXPECT_TRUE(showsPicture(state(), marked));
    EXPECT_EQ(windows.changedCells(), (Cells{44, 36, 52, 63, 65}));
    game->Timer1_Timer();  // marking again changes nothing but the pose
    EXPECT_EQ(cellsShowing(state(), Lower::target), (Cells{32, 36, 52, 63, 65}));
    EXPECT_TRUE(windows.callsBesideCells().empty());
}

TEST_F(TurnEngine, PutsCurtainsOverTheTargetsOfTheFinalJump) {
    struct Case {
        const char* what;
        Picture before;
        Picture after;
    };
    const Case cases[] = {
        {"one pad left, reachable",
         {{
             "..........",
             "..........",
             "...o.x....",
             "..x...x...",
             "....F.....",
             "..x.......",
             "..........",
             "..........",
             "..........",
             "..........",
         }},
         {
             "..........",
             "..........",
             "...C.x....",
             "..x...x...",
             "....H.....",
             "..x.......",
             "..........",
             "..........",
             "..........",
             "..........",
         }},
        {"two pads left, both reachable",
         {{
             "..........",
             "..........",
             "...o.x....",
             "..x...x...",
             "....F.....",
             "..x.......",
             ".....o....",
             "..........",
             "..........",
             "..........",
         }},
         {
             "..........",
             "..........",
             "...C.x....",
             "..x...x...",
             "....H.....",
             "..x.......",
             ".....C....",
             "..........",
             "..........",
             "..........",
         }},
        {"two pads left, one reachable",
         {{
             "..........",
             "..........",
             "...o.x....",
             "..x...x...",
             "....F.....",
             "..x.......",
             "..........",
             "..........",
             "........o.",
             "..........",
         }},
         {
             "..........",
             "..........",
             "...t.x....",
             "..x...x...",
             "....H.....",
             "..x.......",
             "..........",
             "..........",
             "........o.",
             "..........",
         }},
        {"a curtain from an earlier tick stays",
         {{
             "..........",
             "..........",
             "...C.x....",
             "..x...x...",
             "....H.....",
             "..x.......",
             ".....o....",
             "..........",
             "..........",
             "..........",
         }},
         {
             "..........",
             "..........",
             "...C.x....",
             "..x...x...",
             "....F.....",
             "..x.......",
             ".....C....",
             "..........",
             "..........",
             "..........",
         }},
    };
    for (const Case& c : cases) {
        windows.forgetCalls();
        start(c.before, {.startCell = 23});
        game->Timer1_Timer();
        EXPECT_TRUE(showsPicture(state(), c.after)) << c.what;
        EXPECT_EQ(windows.count("continue"), 0) << c.what << ": judged stuck";
        EXPECT_EQ(state().gameState, 1) << c.what;
        EXPECT_EQ(stageInPlayFault(state()), "") << c.what;
    }
}

// The frog on 44 has nothing left to jump to; the stage started on 23.
const Picture kStuck{{
    "..........",
    "..........",
    "...x.x....",
    "..x...x...",
    "....F.....",
    "..x...x...",
    "...x.x....",
    "..........",
    "........o.",
    "..........",
}};

TEST_F(TurnEngine, AStuckFrogOpensTheDialogThenCountsTheContinueAndRestarts) {
    start(kStuck, {.startCell = 23, .stuckCount = 4});
    std::string inDialog;
    windows.whileContinueDialog = [&] {
        EXPECT_EQ(state().gameState, 0);
        inDialog = pictureOf(state());
        for (int k = 0; k < 3; ++k) game->Timer1_Timer();  // the timer goes on behind the dialog
        EXPECT_EQ(pictureOf(state()), inDialog)
            << "a tick changed the board while the dialog was open";
        EXPECT_EQ(state().stuckCount, 4) << "counted before the player answered";
    };
    game->Timer1_Timer();

    EXPECT_EQ(windows.callsBesideCells(), (std::vector<std::string>{"continue", "label 5"}));
    EXPECT_EQ(state().stuckCount, 5);
    EXPECT_EQ(state().gameState, 1);
    EXPECT_EQ(state().frogCell, 23);
    const Picture restarted{{
        "..........",
        "..........",
        "...F.o....",
        "..o...o...",
        "....o.....",
        "..o...o...",
        "...o.o....",
        "..........",
        "........o.",
        "..........",
    }};
    EXPECT_TRUE(showsPicture(state(), restarted));
    // The dialog saw the board as the stuck frog left it, the pose already swapped.
    EXPECT_EQ(inDialog.substr(0, 55),
              std::string("..........\n..........\n...x.x....\n..x...x...\n....H.....\n"));
}

TEST_F(TurnEngine, ASecondStuckFrogCountsTwo) {
    // From its start on 0 the frog cannot reach either pad, so the restarted stage is stuck too.
    start({{
              "x.........",
              "..........",
              "..........",
              "..........",
              "....F.....",
              "..........",
              "..........",
              "..........",
              "..........",
              ".........o",
          }},
          {.startCell = 0});
    game->Timer1_Timer();
    EXPECT_EQ(windows.label1, "1");
    EXPECT_EQ(state().frogCell, 0);
    game->Timer1_Timer();
    EXPECT_EQ(windows.label1, "2");
    EXPECT_EQ(windows.count("continue"), 2);
    EXPECT_EQ(state().stuckCount, 2);
}

TEST_F(TurnEngine, AnsweringNoEndsTheProgramWithNothingCountedOrRestarted) {
    start(kStuck, {.startCell = 23});
    windows.answerNo();
    EXPECT_THROW(game->Timer1_Timer(), ProgramEnded);
    EXPECT_EQ(windows.callsBesideCells(), (std::vector<std::string>{"continue", "end"}));
    EXPECT_EQ(state().stuckCount, 0);
    EXPECT_EQ(state().gameState, 0);
    EXPECT_EQ(state().frogCell, 44);
}

}  // namespace
}  // namespace poron
