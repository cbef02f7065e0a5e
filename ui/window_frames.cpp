// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Captions that show nothing, and windows that stay at their size and on the screen.
#include "window_frames.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace poron {

namespace {

constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;

// Puts the window back as it was meant to be whenever the window system changes its state or
// its size: out of the refused states first, then back to its own size. The window is
// changed back once the change has been handled, not from inside it. On Wayland a window in
// a state the compositor gave it must first show itself in that state, at the size offered
// with it, before it may ask to leave it (a request made earlier is lost, and a window drawn
// at another size in that state breaks the protocol): a window that took the offered size
// asks once it has painted itself at that size, and goes back to its own size once it has
// left the state.
class StayAsItIs : public QObject {
public:
    StayAsItIs(QWidget& window, Qt::WindowStates refused) : QObject(&window), window_(window), refused_(refused) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::WindowStateChange:
                if (!(window_.windowState() & refused_)) {
                    waitingForPaint_ = false;
                    if (!sizeIsRight()) putBackSoon();
                } else if (sizeIsRight() || (window_.windowState() & Qt::WindowMinimized)) {
                    putBackSoon();
                } else {
                    waitingForPaint_ = true;
                }
                break;
            case QEvent::Resize:
                if (!(window_.windowState() & refused_) && !sizeIsRight()) putBackSoon();
                break;
            case QEvent::Paint:
                if (waitingForPaint_) {
                    waitingForPaint_ = false;
                    putBackSoon();
                }
                break;
            default:
                break;
        }
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
            if (state & Qt::WindowMinimized & refused_) {
                window_.setWindowState(state & ~refused_);
                window_.show();
                window_.raise();
            } else if (state & refused_) {
                // Asked of the window itself, not of the widget: the widget would put its
                // former size back at once, before the window system has let the window out
                // of the state, and the window system puts that size back itself.
                window_.windowHandle()->setWindowStates(state & ~refused_);
            } else if (!sizeIsRight()) {
                window_.resize(fixedSize());
            }
        });
    }

    QWidget& window_;
    Qt::WindowStates refused_;
    bool pending_ = false;
    bool waitingForPaint_ = false;
};

}  // namespace

void setEmptyCaption(QWidget& window) { window.setWindowTitle(QStringLiteral(" ")); }

void keepFixedSize(QWidget& window) { new StayAsItIs(window, kResized); }

void keepFixedSizeAndShown(QWidget& dialog) { new StayAsItIs(dialog, kResized | Qt::WindowMinimized); }

}  // namespace poron
