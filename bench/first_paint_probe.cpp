// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the start-up builds of the game and of the bare window: when the main
// window's first paint is done, prints "first-paint <ns>" on CLOCK_MONOTONIC to stdout, so
// that the meter that started the process can tell how long it took. The program's own
// sources are compiled unchanged; this file only watches the events they cause.
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaintProbe final : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && object->isWidgetType() &&
            qobject_cast<QMainWindow*>(static_cast<QWidget*>(object)->window())) {
            seen_ = true;
            // The paint of the whole window and its flush to the screen finish first.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
                std::fflush(stdout);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

void installFirstPaintProbe() { QCoreApplication::instance()->installEventFilter(new FirstPaintProbe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintProbe)
