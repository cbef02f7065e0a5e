// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The recording stand-in for the game's windows.
#include "recording_windows.h"

#include <algorithm>

namespace poron::test {

void RecordingWindows::setCaption(const std::string& text) {
    calls.push_back("caption " + text);
    caption = text;
}

void RecordingWindows::setBackground(int rewardPicture) {
    calls.push_back("background " + std::to_string(rewardPicture));
    background = rewardPicture;
}

void RecordingWindows::setLabel1(const std::string& text) {
    calls.push_back("label " + text);
    label1 = text;
}

void RecordingWindows::cellChanged(int cell) {
    calls.push_back("cell " + std::to_string(cell));
}

void RecordingWindows::openContinueDialog() {
    calls.push_back("continue");
    if (whileContinueDialog) whileContinueDialog();
}

void RecordingWindows::openStageClearWindow() {
    calls.push_back("stage clear");
    if (whileStageClearWindow) whileStageClearWindow();
}

void RecordingWindows::openVersionDialog() {
    calls.push_back("version");
    if (whileVersionDialog) whileVersionDialog();
}

void RecordingWindows::endProgram() {
    calls.push_back("end");
    throw ProgramEnded{};
}

void RecordingWindows::answerNo() {
    whileContinueDialog = [this] { endProgram(); };
}

std::vector<std::string> RecordingWindows::callsBesideCells() const {
    std::vector<std::string> rest;
    for (const std::string& line : calls)
        if (line.rfind("cell ", 0) != 0) rest.push_back(line);
    return rest;
}

std::set<int> RecordingWindows::changedCells() const {
    std::set<int> cells;
    for (const std::string& line : calls)
        if (line.rfind("cell ", 0) == 0) cells.insert(std::stoi(line.substr(5)));
    return cells;
}

int RecordingWindows::count(const std::string& line) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), line));
}

}  // namespace poron::test
