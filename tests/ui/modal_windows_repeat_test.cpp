// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each of the three modal windows opened and closed a hundred times through the main window,
// closed from inside its own event loop the way a player closes it. Every opening must show
// a fresh window, and every closing must destroy it and leave no window behind. Run under
// valgrind by `make test-valgrind` to catch invalid accesses and leaks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "continue_dialog.h"
#include "main_window.h"
#include "modal_helpers.h"
#include "stage_clear_window.h"
#include "version_dialog.h"

namespace poron::test {
namespace {

constexpr int kOpenings = 100;
// Generous, so that the run also passes under valgrind.
constexpr int kOpenTimeoutMs = 60'000;

struct ModalCase {
    const char* id;    // the test's name
    const char* name;  // for messages
    std::function<void(MainWindow&)> open;
    // Is `modal` the window this case opens?
    std::function<bool(QWidget*)> isTheWindow;
    // The player's way out: a click.
    std::function<void(QWidget*)> close;
};

void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }

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
    ::testing::Values(
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
                  }}),
    [](const ::testing::TestParamInfo<ModalCase>& info) { return std::string(info.param.id); });

}  // namespace
}  // namespace poron::test
