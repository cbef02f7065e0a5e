// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the game's windows that writes down every call the rules make, in order,
// and lets a test script what happens while a modal window is open.
#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "game_windows.h"

namespace poron::test {

// Thrown by endProgram(): the program is over, so no game code may run after it.
struct ProgramEnded : std::exception {
    const char* what() const noexcept override { return "the program ended"; }
};

class RecordingWindows final : public GameWindows {
  public:
    // Every call, one line each, in the order made:
    // "caption レベル0", "background 3", "label 1", "cell 12",
    // "continue", "stage clear", "version", "end".
    std::vector<std::string> calls;

    // The latest value of each, unset while never called.
    std::optional<std::string> caption;
    std::optional<int> background;
    std::optional<std::string> label1;

    // What happens while a modal window is open: for example the timer delivering ticks.
    // Returning from the continue dialog's action means the player chose Yes; call
    // endProgram() from it (see answerNo) for No or the countdown running out.
    std::function<void()> whileContinueDialog;
    std::function<void()> whileStageClearWindow;
    std::function<void()> whileVersionDialog;

    void setCaption(const std::string& text) override;
    void setBackground(int rewardPicture) override;
    void setLabel1(const std::string& text) override;
    void cellChanged(int cell) override;
    void openContinueDialog() override;
    void openStageClearWindow() override;
    void openVersionDialog() override;
    [[noreturn]] void endProgram() override;

    // The player answers No in the continue dialog: the program ends inside it.
    void answerNo();

    // The calls without the "cell N" lines.
    std::vector<std::string> callsBesideCells() const;
    // The cells reported as changed.
    std::set<int> changedCells() const;
    // How many times a call line equal to `line` was made.
    int count(const std::string& line) const;
    void forgetCalls() { calls.clear(); }
};

}  // namespace poron::test
