// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The invisible click areas of the continue dialog.
#include "click_area.h"

#include <QMouseEvent>

#include "accessible_windows.h"

namespace poron {

ClickArea::ClickArea(const QRect& geometry, QWidget* parent) : QWidget(parent) {
    installAccessibleInterfaces();  // a screen reader sees a button
    setGeometry(geometry);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

}  // namespace poron
