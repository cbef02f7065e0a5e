// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the game: start-up, difficulty, new stage, restart, the turn engine and the
// player's moves, each step in the order the game has always taken them.
#include "game.h"

#include <algorithm>
#include <string>

namespace poron {

namespace {
constexpr std::size_t at(int cell) { return static_cast<std::size_t>(cell); }
}  // namespace

Game::Game(GameWindows& windows, RandomSource& random, GameState initial)
    : windows_(windows), random_(random), state_(initial) {}

void Game::setLower(int cell, Lower picture) {
    Lower& shown = state_.lower[at(cell)];
    if (shown == picture) return;
    shown = picture;
    windows_.cellChanged(cell);
}

void Game::setUpper(int cell, Upper picture) {
    Upper& shown = state_.upper[at(cell)];
    if (shown == picture) return;
    shown = picture;
    windows_.cellChanged(cell);
}

void Game::Form_Load() {
    state_.frogCell = 0;
    state_.startCell = 0;
    state_.clearedStages = 0;
    state_.stuckCount = 0;
    random_.seedFromClock();
    windows_.setBackground(0);
}

void Game::chooseLevel(int level) {
    state_.level = level;
    NewStage();
}

void Game::geazy_Click() { chooseLevel(1); }
void Game::gnoml_Click() { chooseLevel(2); }
void Game::ghard_Click() { chooseLevel(5); }
void Game::gend_Click() { windows_.endProgram(); }
void Game::gverinfo_Click() { windows_.openVersionDialog(); }

void Game::gup_Click() {
    // Before the first stage there is nothing to go back to: restarting then would put the
    // frog on an empty board and trap the player in the continue dialog.
    if (!state_.board) return;
    RestartStage();
}

void Game::NewStage() {
    if (!state_.level) return;  // only the difficulty commands start the first stage

    // Wipe both layers and the pad map.
    for (int i = 0; i < kCells; ++i) {
        setLower(i, Lower::blank);
        setUpper(i, Upper::blank);
    }
    PadMap& board = state_.board.emplace();

    windows_.setCaption("レベル" + std::to_string(state_.clearedStages));
    state_.gameState = 1;

    lastWalk_ = generateWalk(padCountFor(*state_.level, state_.clearedStages), random_);
    for (int k = 0; k < lastWalk_.length; ++k) board[at(lastWalk_.cells[at(k)])] = 1;
    state_.startCell = lastWalk_.cells[0];

    for (int i = 0; i < kCells; ++i)
        if (board[at(i)] == 1) setLower(i, Lower::pad);
    state_.frogCell = state_.startCell;
    setUpper(state_.startCell, Upper::frog);
}

void Game::RestartStage() {
    for (int i = 0; i < kCells; ++i) {
        if (state_.lowerAt(i) == Lower::target) setLower(i, Lower::pad);
        if (state_.lowerAt(i) == Lower::sunk) setLower(i, Lower::pad);
        setUpper(i, Upper::blank);
    }
    setUpper(state_.startCell, Upper::frog);
    state_.frogCell = state_.startCell;
    state_.gameState = 1;
}

void Game::Timer1_Timer() {
    if (state_.gameState != 1) return;

    const int frog = state_.frogCell;
    if (state_.upperAt(frog) == Upper::frog)
        setUpper(frog, Upper::frogHeart);
    else if (state_.upperAt(frog) == Upper::frogHeart)
        setUpper(frog, Upper::frog);

    for (int offset : jumpsFrom(frog))
        if (state_.lowerAt(frog + offset) == Lower::pad) setLower(frog + offset, Lower::target);

    const int unmarked = static_cast<int>(std::count(state_.lower.begin(), state_.lower.end(), Lower::pad));
    if (unmarked == 1) {
        for (int i = 0; i < kCells; ++i)
            if (state_.lowerAt(i) == Lower::target && state_.upperAt(i) == Upper::blank)
                setUpper(i, Upper::curtain);
    }

    const auto reachable = std::count(state_.lower.begin(), state_.lower.end(), Lower::target);
    if (reachable == 0) {
        state_.gameState = 0;
        windows_.openContinueDialog();
        ++state_.stuckCount;
        windows_.setLabel1(std::to_string(state_.stuckCount));
        RestartStage();
    }
}

void Game::image2_MouseUp(int index) {
    if (!isCell(index)) return;

    if (state_.upperAt(index) == Upper::curtain) {
        windows_.openStageClearWindow();
        state_.clearedStages = std::min(state_.clearedStages + 1, kMaxClearedStages);
        windows_.setBackground(state_.clearedStages);
        NewStage();
        return;
    }

    if (state_.lowerAt(index) == Lower::target) {
        const int left = state_.frogCell;
        setUpper(index, Upper::frog);
        setUpper(left, Upper::blank);
        setLower(left, Lower::sunk);
        state_.frogCell = index;
        for (int i = 0; i < kCells; ++i)
            if (state_.lowerAt(i) == Lower::target) setLower(i, Lower::pad);
    }
}

}  // namespace poron
