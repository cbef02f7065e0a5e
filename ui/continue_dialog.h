// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Continue？" dialog of a stuck frog: it counts down from 9 with pleading messages;
// Yes continues the game, No or the end of the count ends the program.
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace poron {

class ContinueDialog : public QDialog {
    Q_OBJECT
public:
    // Opens over `owner`, the main window, modal to it; with no owner, on the screen.
    explicit ContinueDialog(QWidget* owner = nullptr);

    int countdown() const { return countdown_; }
    QLabel* headline() const { return Label2; }  // "手詰まり" and the messages
    QLabel* question() const { return Label1; }  // "Continue？"
    QLabel* count() const { return Label3; }     // the count
    const QTimer& countdownTimer() const { return Timer1; }

    // The rectangles of the click areas over the painted words, in client pixels.
    static QRect yesArea();
    static QRect noArea();

public slots:
    void Timer1_Timer();  // one step of the countdown, every 1200 ms
    void Image1_Click();  // Yes
    void Image2_Click();  // No

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showHeadline(const QString& text);
    void showCount();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QTimer Timer1;
    int countdown_ = 9;
};

}  // namespace poron
