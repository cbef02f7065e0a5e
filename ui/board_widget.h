// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board: one widget that paints the background picture and both layers of cells,
// and turns mouse presses and releases into the cell that took the press.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "game_state.h"

namespace poron {

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(const GameState& state, QWidget* parent = nullptr);

    // The background becomes reward picture k (0..7), drawn for the screen the board is on.
    void setBackground(int rewardPicture);
    // The background picture as it is drawn now; a null pixmap before the first setBackground.
    const QPixmap& background() const;
    // Schedules a repaint of one cell's square (and tells a listening screen reader).
    void updateCell(int cell);
    // The game's state that the board shows.
    const GameState& state() const { return state_; }

signals:
    // A mouse button was released; `cell` is the cell that took the press.
    void cellReleased(int cell);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintCell(QPainter& painter, int cell) const;

    const GameState& state_;
    int background_ = -1;  // the reward picture shown, or -1 for none
    int pressedCell_ = -1;
};

}  // namespace poron
