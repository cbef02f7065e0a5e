// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The version dialog: the game's title and version over its logo, and an OK button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace poron {

class VersionDialog : public QDialog {
    Q_OBJECT
public:
    // Opens over `owner`, the main window, modal to it; with no owner, on the screen.
    explicit VersionDialog(QWidget* owner = nullptr);

    QLabel* title() const { return Label1; }
    QPushButton* okButton() const { return Command1; }

public slots:
    void Command1_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label1;
    QPushButton* Command1;
};

}  // namespace poron
