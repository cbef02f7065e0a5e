// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The borderless stage-clear picture; a click anywhere closes it.
#pragma once

#include <QDialog>

namespace poron {

class StageClearWindow : public QDialog {
    Q_OBJECT
public:
    // Opens over `owner`, the main window, modal to it; with no owner, on the screen.
    explicit StageClearWindow(QWidget* owner = nullptr);

public slots:
    void Form_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace poron
