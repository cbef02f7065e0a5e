// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The stage-clear window: a picture that stays until it is clicked.
#include "stage_clear_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "accessible_windows.h"
#include "announcement.h"
#include "picture_palette.h"
#include "window_frames.h"
#include "window_placement.h"

namespace poron {

StageClearWindow::StageClearWindow(QWidget* owner) : QDialog(owner, kBorderlessDialog) {
    installAccessibleInterfaces();  // a screen reader can press the window
    setObjectName(QStringLiteral("Form3"));
    setEmptyCaption(*this);
    // What the picture's lettering says, for a screen reader.
    setAccessibleName(QStringLiteral("すてーじくりあ"));
    keepFixedSizeAndShown(*this);
    setFixedSize(209, 112);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StageClearWindow::Form_Click() { accept(); }

void StageClearWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, PicturePalette::instance().stageClearPicture(devicePixelRatioF()));
}

void StageClearWindow::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
}

void StageClearWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (pressed_ && rect().contains(event->position().toPoint())) Form_Click();
    pressed_ = false;
}

void StageClearWindow::keyPressEvent(QKeyEvent* event) {
    // Keys do nothing: only a click closes the window.
    event->accept();
}

void StageClearWindow::showEvent(QShowEvent* event) {
    centreOverOwner(*this);
    QDialog::showEvent(event);
    if (announcementsHeard()) announce(this, accessibleName(), Urgency::assertive);
}

}  // namespace poron
