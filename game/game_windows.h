// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the rules ask of the windows: the caption, the background, the hidden label,
// repainting a cell, the three modal windows and the end of the program.
#pragma once

#include <string>

namespace poron {

class GameWindows {
public:
    virtual ~GameWindows() = default;

    virtual void setCaption(const std::string& text) = 0;
    // The main window's background becomes reward picture k (0..7).
    virtual void setBackground(int rewardPicture) = 0;
    // The hidden label that holds the number of continues.
    virtual void setLabel1(const std::string& text) = 0;
    // Cell `cell` of one or both layers now shows something else: repaint its square.
    virtual void cellChanged(int cell) = 0;

    // The "Continue？" dialog, modal. Returns only when the player chooses to continue;
    // giving up ends the program inside it.
    virtual void openContinueDialog() = 0;
    // The stage-clear window, modal. Returns when the player has clicked it away.
    virtual void openStageClearWindow() = 0;
    // The version dialog, modal. Returns when it has been closed.
    virtual void openVersionDialog() = 0;
    // Ends the program at once with status 0. Does not return to the game (a test fake
    // throws instead, so that no game code runs after it).
    virtual void endProgram() = 0;
};

}  // namespace poron
