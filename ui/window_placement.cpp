// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Window placement done by the game itself, so that it does not depend on a window manager.
// Where the window system forbids a program to place its windows (Wayland), the moves
// below are simply ignored and the compositor decides.
#include "window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace poron {

namespace {

// The frame the window system has put around `window`: none before the window is on the
// screen, and none without a window manager.
QMargins frameOf(const QWidget& window) {
    if (!window.isVisible()) return {};
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

bool isKnown(const QMargins& frame) {
    return !frame.isNull() && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0;
}

// Moves `window` so that the centre of its frame lies on `centre`.
void centreAt(QWidget& window, QPoint centre, QMargins frame) {
    const QSize outer = window.size().grownBy(frame);
    const QPoint clientTopLeft(centre.x() - outer.width() / 2 + frame.left(),
                               centre.y() - outer.height() / 2 + frame.top());
    window.setGeometry(QRect(clientTopLeft, window.size()));
}

// Centres the window again once the window system has framed it, if its frame turns out
// other than the one it was centred with. Until the window is on the screen, and for a
// moment after, the toolkit may know no frame at all, or report nonsense while the window
// manager wraps the window in its frame (negative margins): such a frame is taken as not
// yet known, and watching ends with the first one known.
class RecentreWhenFramed : public QObject {
public:
    RecentreWhenFramed(QWidget& window, QMargins applied, std::function<QPoint()> centre)
        : QObject(&window), window_(window), applied_(applied), centre_(std::move(centre)) {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose && event->type() != QEvent::Move) return false;
        const QMargins frame = frameOf(window_);
        if (!isKnown(frame)) return false;
        watched->removeEventFilter(this);
        if (frame != applied_) centreAt(window_, centre_(), frame);
        deleteLater();
        return false;
    }

private:
    QWidget& window_;
    QMargins applied_;
    std::function<QPoint()> centre_;
};

void centre(QWidget& window, QMargins expectedFrame, std::function<QPoint()> centreOf) {
    centreAt(window, centreOf(), expectedFrame);
    window.winId();  // makes sure the window exists, to watch it appear
    new RecentreWhenFramed(window, expectedFrame, std::move(centreOf));
}

QPoint screenCentre(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().center() : QPoint();
}

}  // namespace

void centreOnScreen(QWidget& window) {
    centre(window, frameOf(window), [&window] { return screenCentre(window); });
}

void centreOverOwner(QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget();
    if (!owner) {
        centreOnScreen(dialog);
        return;
    }
    const bool framed = !(dialog.windowFlags() & Qt::FramelessWindowHint);
    centre(dialog, framed ? frameOf(*owner) : QMargins(),
           [owner] { return owner->frameGeometry().center(); });
}

}  // namespace poron
