// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window keeps its size whatever the window system asks: to maximise it, to fill the
// screen with it, or to take another size (as a compositor's configure offers one). A dialog
// asked to minimise comes straight back.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

#include "main_window.h"
#include "stage_clear_window.h"
#include "version_dialog.h"

namespace poron::test {
namespace {

struct Request {
    const char* name;
    std::function<void(QWindow&)> ask;
    bool ofDialogsOnly;
};

const Request kRequests[] = {
    {"maximise", [](QWindow& w) { w.setWindowStates(Qt::WindowMaximized); }, false},
    {"fill the screen", [](QWindow& w) { w.setWindowStates(Qt::WindowFullScreen); }, false},
    {"take a larger size", [](QWindow& w) { w.resize(w.size() + QSize(150, 100)); }, false},
    {"take a smaller size", [](QWindow& w) { w.resize(w.size() - QSize(40, 30)); }, false},
    {"minimise", [](QWindow& w) { w.setWindowStates(Qt::WindowMinimized); }, true},
};

class WindowSizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main_));
    }

    // Makes every request that applies of `window`, shown, and expects it back as it was:
    // in no state, at its size, on show.
    void expectKeepsItsSize(QWidget& window, bool dialog) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QSize fixed = window.size();
        ASSERT_EQ(window.minimumSize(), fixed);
        ASSERT_EQ(window.maximumSize(), fixed);
        const auto asItWas = [&] {
            return window.windowState() == Qt::WindowNoState && window.size() == fixed &&
                   window.windowHandle()->size() == fixed && window.isVisible();
        };
        for (const Request& request : kRequests) {
            if (request.ofDialogsOnly && !dialog) continue;
            request.ask(*window.windowHandle());
            EXPECT_TRUE(QTest::qWaitFor(asItWas, 10'000))
                << window.objectName().toStdString() << " asked to " << request.name << ": " << window.width()
                << " x " << window.height() << ", state " << window.windowState().toInt();
        }
    }

    MersenneRandom random_{20261211};
    MainWindow main_{random_};
};

TEST_F(WindowSizeTest, TheMainWindow) { expectKeepsItsSize(main_, false); }

TEST_F(WindowSizeTest, TheVersionDialog) {
    VersionDialog dialog(&main_);
    expectKeepsItsSize(dialog, true);
}

TEST_F(WindowSizeTest, TheStageClearWindow) {
    StageClearWindow window(&main_);
    expectKeepsItsSize(window, true);
}

}  // namespace
}  // namespace poron::test
