// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Window placement done by the game itself, so that it does not depend on a window manager.
#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace poron {

namespace {

// The frame the window system adds around `window`, where known (none before it is shown,
// and none without a window manager).
QSize frameExtra(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (!window.isVisible()) return {0, 0};
    return frame.size() - client.size();
}

void centreAt(QWidget& window, QPoint centre) {
    const QSize outer = window.size() + frameExtra(window);
    window.move(centre.x() - outer.width() / 2, centre.y() - outer.height() / 2);
}

}  // namespace

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    centreAt(window, screen->availableGeometry().center());
}

void centreOver(QWidget& dialog, const QWidget* owner) {
    if (!owner) {
        centreOnScreen(dialog);
        return;
    }
    centreAt(dialog, owner->frameGeometry().center());
}

}  // namespace poron
