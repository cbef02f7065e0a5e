// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Captions that show nothing, and windows that stay at their size and on the screen.
#include "window_frames.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace poron {

namespace {

constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;

// Puts the window back as it was meant to be whenever the window system changes its state or
// its size: out of the refused states first, then back to its own size. The window is
// changed back once the change has been handled, not from inside it (on Wayland the window
// first has to take the state the compositor gave it, before it may ask to leave it).
class StayAsItIs : public QObject {
public:
    StayAsItIs(QWidget& window, Qt::WindowStates refused) : QObject(&window), window_(window), refused_(refused) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if ((event->type() == QEvent::WindowStateChange && (window_.windowState() & refused_)) ||
            (event->type() == QEvent::Resize && !sizeIsRight()))
            putBackSoon();
        return false;
    }

private:
    // The window's own size: the minimum and the maximum are the same for a fixed window.
    QSize fixedSize() const {
        return window_.minimumSize() == window_.maximumSize() ? window_.minimumSize() : QSize();
    }
    bool sizeIsRight() const { return !fixedSize().isValid() || window_.size() == fixedSize(); }

    void putBackSoon() {
        if (pending_) return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            const Qt::WindowStates state = window_.windowState();
            if (state & refused_) {
                window_.setWindowState(state & ~refused_);
                if (state & Qt::WindowMinimized) {
                    window_.show();
                    window_.raise();
                }
            }
            if (!sizeIsRight()) window_.resize(fixedSize());
        });
    }

    QWidget& window_;
    Qt::WindowStates refused_;
    bool pending_ = false;
};

}  // namespace

void setEmptyCaption(QWidget& window) { window.setWindowTitle(QStringLiteral(" ")); }

void keepFixedSize(QWidget& window) { new StayAsItIs(window, kResized); }

void keepFixedSizeAndShown(QWidget& dialog) { new StayAsItIs(dialog, kResized | Qt::WindowMinimized); }

}  // namespace poron
