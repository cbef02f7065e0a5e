// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the menu bar, the hidden label and the 300 ms timer; it
// carries the game and opens the modal windows the game asks for.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "board_narrator.h"
#include "game.h"
#include "game_windows.h"

class QLabel;

namespace poron {

class BoardWidget;

class MainWindow : public QMainWindow, public GameWindows {
    Q_OBJECT
public:
    // Builds the window as it opens: the title picture, an empty board, the timer running.
    // The game's start-up (game().Form_Load()) follows before the window is first shown.
    // `initial` sets up the game in a given position instead of an empty board.
    explicit MainWindow(RandomSource& random, GameState initial = {});
    ~MainWindow() override;

    Game& game() { return game_; }
    BoardWidget* board() const { return board_; }
    QLabel* hiddenLabel() const { return Label1; }
    QTimer& turnTimer() { return Timer1; }

    // GameWindows
    void setCaption(const std::string& text) override;
    void setBackground(int rewardPicture) override;
    void setLabel1(const std::string& text) override;
    void cellChanged(int cell) override;
    void openContinueDialog() override;
    void openStageClearWindow() override;
    void openVersionDialog() override;
    void endProgram() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // Announces what changed on the board since the last news, if anyone listens.
    void tellBoardNews();

    Game game_;
    BoardWidget* board_;
    QLabel* Label1;
    QTimer Timer1;
    BoardNarrator narrator_;
};

}  // namespace poron
