// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Acting on modal windows from inside their event loops.
#include "modal_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace poron::test {

void whenModalOpens(std::function<void(QWidget*)> action, int timeoutMs) {
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QWidget* before = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, before, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window opened";
            if (modal) modal->close();
        }
    });
    poll->start(5);
}

void clickAt(QWidget* widget, QPoint position, Qt::MouseButton button) {
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), position);
    QTest::mousePress(window, button, Qt::NoModifier, at);
    QTest::mouseRelease(window, button, Qt::NoModifier, at);
}

}  // namespace poron::test
