// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Captions that show nothing, and windows that stay at their size.
#include "window_frames.h"

#include <QEvent>
#include <QWidget>

namespace poron {

namespace {

constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;

class StayUnmaximised : public QObject {
public:
    explicit StayUnmaximised(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Changed back once the change has been handled, not from inside it.
        if (event->type() == QEvent::WindowStateChange && (window_.windowState() & kResized))
            QMetaObject::invokeMethod(
                this, [this] { window_.setWindowState(window_.windowState() & ~kResized); }, Qt::QueuedConnection);
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void setEmptyCaption(QWidget& window) { window.setWindowTitle(QStringLiteral(" ")); }

void keepUnmaximised(QWidget& window) { new StayUnmaximised(window); }

}  // namespace poron
