// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's news in words: told once when it happens, never again, and nothing for what a
// sighted player would not see change.
#include <gtest/gtest.h>

#include "board_narrator.h"
#include "board_picture.h"

namespace poron::test {
namespace {

// One stage followed turn by turn: each step is the board after a turn, and the news it
// brings.
struct Turn {
    const char* what;
    Picture board;
    bool newStage;
    const char* news;
};

TEST(BoardNarratorTest, TellsEachChangeOnceInOrder) {
    const Turn turns[] = {
        {"before any stage", {"..........", "..........", "..........", "..........", "..........",
                              "..........", "..........", "..........", "..........", ".........."},
         false, ""},
        {"a stage laid and its targets marked",
         {"F.........", "..t.......", ".t..o.....", "..........", "..........",
          "..........", "..........", "..........", "..........", ".........."},
         true, "レベル0：蓮の葉4枚。カエルは1行1列。跳べる葉：2行3列、3行2列。"},
        {"the frog's other pose", {"H.........", "..t.......", ".t..o.....", "..........", "..........",
                                   "..........", "..........", "..........", "..........", ".........."},
         false, ""},
        {"a jump: the marks are gone", {"x.........", "..F.......", ".o..o.....", "..........", "..........",
                                        "..........", "..........", "..........", "..........", ".........."},
         false, "2行3列へ跳んだ。"},
        {"the last pads: curtains", {"x.........", "..F.......", ".o..C.....", "..........", "..........",
                                     "..........", "..........", "..........", "..........", ".........."},
         false, "カーテン：3行5列。押すとステージクリア。"},
        {"the curtains stay", {"x.........", "..H.......", ".o..C.....", "..........", "..........",
                               "..........", "..........", "..........", "..........", ".........."},
         false, ""},
        {"back to the start", {"F.........", "..o.......", ".o..o.....", "..........", "..........",
                               "..........", "..........", "..........", "..........", ".........."},
         false, "やりなおし：カエルは1行1列。"},
        {"the same targets again", {"F.........", "..t.......", ".t..o.....", "..........", "..........",
                                    "..........", "..........", "..........", "..........", ".........."},
         false, "跳べる葉：2行3列、3行2列。"},
        {"a new stage with the frog where it was",
         {"F.........", "..t.......", "..........", "..........", "..........",
          "..........", "..........", "..........", "..........", ".........."},
         true, "レベル0：蓮の葉2枚。カエルは1行1列。跳べる葉：2行3列。"},
    };
    BoardNarrator narrator;
    for (const Turn& turn : turns) {
        SCOPED_TRACE(turn.what);
        GameState state = stageFrom(turn.board, StageSetup{.startCell = 0});
        if (turn.board == turns[0].board) state.board.reset();  // nothing laid out yet
        if (turn.newStage) narrator.stageLaid();
        EXPECT_EQ(narrator.news(state), QString::fromUtf8(turn.news));
        EXPECT_EQ(narrator.news(state), QString()) << "the same board told twice";
    }
}

TEST(BoardNarratorTest, AStageSaysItsLevelAndHowManyPads) {
    BoardNarrator narrator;
    StageSetup setup;
    setup.clearedStages = 3;
    GameState state = stageFrom({"..........", "..........", "...o.o....", "..o...o...", "....F.....",
                                 "..o...o...", "...o.o....", "..........", "..........", "........oo"},
                                setup);
    narrator.stageLaid();
    EXPECT_EQ(narrator.news(state), QStringLiteral("レベル3：蓮の葉11枚。カエルは5行5列。"));
}

}  // namespace
}  // namespace poron::test
