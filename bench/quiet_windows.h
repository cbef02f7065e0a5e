// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that do nothing: the rules run on their own, as fast as they can.
#pragma once

#include "game_windows.h"

namespace poron::bench {

class QuietWindows final : public GameWindows {
public:
    void setCaption(const std::string&) override {}
    void setBackground(int) override {}
    void setLabel1(const std::string&) override {}
    void cellChanged(int) override { ++changes; }
    void openContinueDialog() override {}
    void openStageClearWindow() override {}
    void openVersionDialog() override {}
    void endProgram() override {}

    long changes = 0;
};

}  // namespace poron::bench
