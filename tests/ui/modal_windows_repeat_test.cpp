// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each of the three modal windows opened and closed a hundred times through the main window,
// closed from inside its own event loop the way a player closes it. Every opening must show
// a fresh window, and every closing must destroy it and leave no window behind. Run under
// valgrind by `make test-valgrind` to catch invalid accesses and leaks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include "main_window.h"
#include "modal_helpers.h"

namespace poron::test {
namespace {

constexpr int kOpenings = 100;
// Generous, so that the run also passes under valgrind.
constexpr int kOpenTimeoutMs = 60'000;

class ModalWindowsRepeatTest : public ::testing::TestWithParam<ModalCase> {};

TEST_P(ModalWindowsRepeatTest, OpensAndClosesAHundredTimesLeavingNothingBehind) {
    const ModalCase& c = GetParam();
    SeededRandom random(20261209);
    MainWindow window(random);
    window.game().Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();

    for (int k = 0; k < kOpenings; ++k) {
        QPointer<QWidget> opened;
        bool right = false;
        whenModalOpens(
            [&](QWidget* modal) {
                opened = modal;
                right = c.isTheWindow(modal);
                c.close(modal);
            },
            kOpenTimeoutMs);
        c.open(window);
        ASSERT_TRUE(right) << c.name << " did not open at opening " << k;
        ASSERT_TRUE(opened.isNull()) << c.name << " outlived its closing at opening " << k;
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "opening " << k;
        ASSERT_EQ(QApplication::topLevelWidgets().size(), windowsBefore) << "opening " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachModalWindow, ModalWindowsRepeatTest,
    ::testing::ValuesIn(eachModalWindow()),
    [](const ::testing::TestParamInfo<ModalCase>& info) { return std::string(info.param.id); });

}  // namespace
}  // namespace poron::test
