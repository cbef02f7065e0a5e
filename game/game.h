// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's rules, driven by the events the windows deliver: start-up, the menu
// commands, the release of a mouse button over a cell and the 300 ms timer tick.
#pragma once

#include "game_state.h"
#include "game_windows.h"
#include "random_source.h"
#include "stage_generator.h"

namespace poron {

class Game {
public:
    // `initial` lets a caller start from a given position; the game starts from an empty board.
    Game(GameWindows& windows, RandomSource& random, GameState initial = {});

    // Start-up, once, before the main window is first shown.
    void Form_Load();

    // Menu commands.
    void geazy_Click();  // かんたん: level 1, new stage
    void gnoml_Click();  // ふつう: level 2, new stage
    void ghard_Click();  // むずかしい: level 5, new stage
    void gend_Click();   // 終了: ends the program
    void gup_Click();    // ｷﾞﾌﾞｱｯﾌﾟ: back to the start of the stage
    void gverinfo_Click();  // ﾊﾞｰｼﾞｮﾝ情報: the version dialog

    // A mouse button released over upper-layer cell `index` (the cell that took the press).
    void image2_MouseUp(int index);
    // One tick of the 300 ms turn engine.
    void Timer1_Timer();

    const GameState& state() const { return state_; }
    // How the last stage's walk was found: restarts after dead ends, and the fallback.
    const Walk& lastWalk() const { return lastWalk_; }

private:
    void chooseLevel(int level);
    void NewStage();
    void RestartStage();
    void setLower(int cell, Lower picture);
    void setUpper(int cell, Upper picture);

    GameWindows& windows_;
    RandomSource& random_;
    GameState state_;
    Walk lastWalk_;
};

}  // namespace poron
