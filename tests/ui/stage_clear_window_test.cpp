// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The stage-clear window: borderless, closed by a click anywhere and by nothing else.
#include <gtest/gtest.h>

#include <QTest>

#include "modal_helpers.h"
#include "stage_clear_window.h"

namespace poron::test {
namespace {

std::unique_ptr<StageClearWindow> openWindow() {
    auto window = std::make_unique<StageClearWindow>();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

TEST(StageClearWindowTest, IsABorderlessPictureOfItsSize) {
    auto window = openWindow();
    EXPECT_EQ(window->size(), QSize(209, 112));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(StageClearWindowTest, AClickAnywhereClosesIt) {
    for (QPoint at : {QPoint(0, 0), QPoint(208, 111), QPoint(104, 100), QPoint(50, 20)}) {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            auto window = openWindow();
            clickAt(window.get(), at, button);
            EXPECT_FALSE(window->isVisible()) << at.x() << "," << at.y();
        }
    }
}

TEST(StageClearWindowTest, StaysUpUntilClickedWhateverTheKeys) {
    auto window = openWindow();
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key));
    QTest::qWait(1500);
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace poron::test
