// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Acting on modal windows from inside their event loops.
#include "modal_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "continue_dialog.h"
#include "main_window.h"
#include "stage_clear_window.h"
#include "version_dialog.h"

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

void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }

std::vector<ModalCase> eachModalWindow() {
    return {
        ModalCase{"ContinueDialog", "the continue dialog", [](MainWindow& w) { w.openContinueDialog(); },
                  [](QWidget* m) { return qobject_cast<ContinueDialog*>(m) != nullptr; },
                  [](QWidget* m) { clickAt(m, ContinueDialog::yesArea().center()); }},
        ModalCase{"StageClearWindow", "the stage-clear window", [](MainWindow& w) { w.openStageClearWindow(); },
                  [](QWidget* m) { return qobject_cast<StageClearWindow*>(m) != nullptr; },
                  [](QWidget* m) { clickAt(m, QPoint(100, 50)); }},
        ModalCase{"VersionDialog", "the version dialog", [](MainWindow& w) { w.openVersionDialog(); },
                  [](QWidget* m) { return qobject_cast<VersionDialog*>(m) != nullptr; },
                  [](QWidget* m) {
                      QPushButton* ok = static_cast<VersionDialog*>(m)->okButton();
                      clickAt(ok, ok->rect().center());
                  }},
    };
}

}  // namespace poron::test
