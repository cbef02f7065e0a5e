// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A press on the board that is still held when a modal window opens: its release goes to
// the blocked main window and is lost, and the board must not credit the player's next
// click to the old cell.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "board_widget.h"
#include "main_window.h"
#include "modal_helpers.h"

namespace poron::test {
namespace {

QPoint centreOf(int cell) { return {32 * (cell % 10) + 16, 32 * (cell / 10) + 16}; }

class HeldPressTest : public ::testing::TestWithParam<ModalCase> {};

TEST_P(HeldPressTest, APressHeldWhileAModalWindowOpensIsForgotten) {
    const ModalCase& c = GetParam();
    MersenneRandom random(20261209);
    MainWindow window(random);
    window.turnTimer().stop();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    BoardWidget* board = window.board();
    QWindow* handle = window.windowHandle();
    auto at = [&](int cell) { return board->mapTo(&window, centreOf(cell)); };
    QSignalSpy released(board, &BoardWidget::cellReleased);

    // The button goes down on cell 12 and is still down when the modal window opens.
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at(12));
    bool opened = false;
    whenModalOpens([&](QWidget* modal) {
        opened = c.isTheWindow(modal);
        // The release over the board reaches a blocked window and is dropped.
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at(12));
        EXPECT_EQ(released.count(), 0) << "a blocked board took a release";
        c.close(modal);
    });
    c.open(window);
    ASSERT_TRUE(opened) << c.name << " did not open";

    // The player's next click, on cell 87, is a click on cell 87.
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at(87));
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released.at(0).at(0).toInt(), 87) << "after " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EachModalWindow, HeldPressTest, ::testing::ValuesIn(eachModalWindow()),
    [](const ::testing::TestParamInfo<ModalCase>& info) { return std::string(info.param.id); });

// Without any modal window: a second press while the first is held keeps the first cell;
// a press that finds no other button down starts afresh, even if the board never saw the
// release of the one before (the window system can lose it, for example to a grab).
TEST(BoardPressTest, OnlyAPressWithNoOtherButtonDownTakesANewCell) {
    GameState state;
    BoardWidget board(state);
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    QWindow* handle = board.windowHandle();
    QSignalSpy released(&board, &BoardWidget::cellReleased);

    // Left down on 12, right down on 87 and up: the release belongs to 12.
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, centreOf(12));
    QTest::mousePress(handle, Qt::RightButton, Qt::NoModifier, centreOf(87));
    QTest::mouseRelease(handle, Qt::RightButton, Qt::NoModifier, centreOf(87));
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released.takeFirst().at(0).toInt(), 12);

    // The left release is lost; the next left press, alone, lands on 34.
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, centreOf(34));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, centreOf(34));
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released.takeFirst().at(0).toInt(), 34);
}

}  // namespace
}  // namespace poron::test
