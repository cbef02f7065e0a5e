// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader sees it: a 10 x 10 table of named cells at their squares,
// whose press is a click, and whose names change only when what a cell shows changes.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "accessibility_fixture.h"
#include "accessible_board.h"
#include "board_picture.h"
#include "board_widget.h"
#include "main_window.h"
#include "modal_helpers.h"
#include "random_source.h"
#include "stage_clear_window.h"

namespace poron::test {
namespace {

// A stage with every thing a cell can show: the frog on 0 (its targets 12 and 21), a
// plain pad, a sunk pad, a curtain over a target and empty cells.
const Picture kEveryState{
    "F.o.......",
    "..t.......",
    "xt........",
    "...C......",
    "..........",
    "..........",
    "..........",
    "..........",
    "..........",
    ".........o",
};

QAccessibleInterface* boardOf(BoardWidget& board) { return QAccessible::queryAccessibleInterface(&board); }

class AccessibleBoardTest : public ::testing::Test {
protected:
    GameState state_ = stageFrom(kEveryState);
    BoardWidget board_{state_};
};

TEST_F(AccessibleBoardTest, IsATableOfTenRowsAndTenColumnsOfCells) {
    QAccessibleInterface* table = boardOf(board_);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("盤面"));
    QAccessibleTableInterface* grid = table->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(grid->columnCount(), 10);
    ASSERT_EQ(table->childCount(), 100);
    for (int i = 0; i < kCells; ++i) {
        QAccessibleInterface* cell = table->child(i);
        ASSERT_NE(cell, nullptr) << i;
        EXPECT_EQ(cell->role(), QAccessible::Cell) << i;
        EXPECT_EQ(table->indexOfChild(cell), i);
        EXPECT_EQ(cell->parent(), table);
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        ASSERT_NE(place, nullptr) << i;
        EXPECT_EQ(place->rowIndex(), rowOf(i));
        EXPECT_EQ(place->columnIndex(), columnOf(i));
        EXPECT_EQ(place->rowExtent(), 1);
        EXPECT_EQ(place->table(), table);
        EXPECT_EQ(grid->cellAt(rowOf(i), columnOf(i)), cell) << i;
    }
    EXPECT_EQ(grid->rowDescription(2), QStringLiteral("3行"));
    EXPECT_EQ(grid->columnDescription(9), QStringLiteral("10列"));
}

TEST_F(AccessibleBoardTest, AQuestionOffTheBoardIsAnsweredWithTheNearestCellNeverWithNone) {
    QAccessibleInterface* table = boardOf(board_);
    QAccessibleTableInterface* grid = table->tableInterface();
    struct Case {
        int row, column, cell;
    };
    for (const Case c : {Case{-1, 0, 0}, Case{10, 3, 93}, Case{4, 12, 49}, Case{-5, -5, 0}, Case{99, 99, 99}})
        EXPECT_EQ(grid->cellAt(c.row, c.column), table->child(c.cell)) << c.row << "," << c.column;
    EXPECT_EQ(table->child(-1), table->child(0));
    EXPECT_EQ(table->child(100), table->child(99));
}

TEST_F(AccessibleBoardTest, EachCellIsNamedByItsPlaceAndWhatItShows) {
    QAccessibleInterface* table = boardOf(board_);
    struct Case {
        int cell;
        const char* name;
    };
    const Case cases[] = {
        {0, "1行1列 カエル"},    {1, "1行2列 空き"},      {2, "1行3列 蓮の葉"},
        {12, "2行3列 跳べる葉"}, {21, "3行2列 跳べる葉"}, {20, "3行1列 沈んだ葉"},
        {33, "4行4列 カーテン"}, {99, "10行10列 蓮の葉"}, {90, "10行1列 空き"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table->child(c.cell)->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.cell;

    // The frog in its other pose is the same frog; the name follows the state as it is now.
    state_.upper[0] = Upper::frogHeart;
    state_.lower[2] = Lower::sunk;
    EXPECT_EQ(table->child(0)->text(QAccessible::Name), QStringLiteral("1行1列 カエル"));
    EXPECT_EQ(table->child(2)->text(QAccessible::Name), QStringLiteral("1行3列 沈んだ葉"));
}

TEST_F(AccessibleBoardTest, EachCellLiesOnItsSquareAndThePointsOfASquareFindIt) {
    board_.move(40, 60);
    board_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board_));
    QAccessibleInterface* table = boardOf(board_);
    const QPoint origin = board_.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(table->rect(), QRect(origin, QSize(320, 320)));
    for (int i = 0; i < kCells; ++i)
        EXPECT_EQ(table->child(i)->rect(), QRect(origin + QPoint(32 * columnOf(i), 32 * rowOf(i)), QSize(32, 32)))
            << i;
    struct Case {
        QPoint at;
        int cell;
    };
    for (const Case c : {Case{{0, 0}, 0}, Case{{31, 31}, 0}, Case{{32, 0}, 1}, Case{{319, 319}, 99},
                         Case{{100, 200}, 63}}) {
        QAccessibleInterface* found = table->childAt(origin.x() + c.at.x(), origin.y() + c.at.y());
        EXPECT_EQ(found, table->child(c.cell)) << c.at.x() << "," << c.at.y();
    }
    EXPECT_EQ(table->childAt(origin.x() + 320, origin.y()), nullptr);
    EXPECT_EQ(table->childAt(origin.x() - 1, origin.y() + 5), nullptr);
}

TEST(AccessibleBoardLifeTest, TheCellsLiveAsLongAsTheBoardAndGoWithIt) {
    GameState state = stageFrom(kEveryState);
    auto board = std::make_unique<BoardWidget>(state);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board.get());
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* cell = table->child(12);
    const QAccessible::Id id = QAccessible::uniqueId(cell);
    state.lower[12] = Lower::pad;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(board.get()), table);
    EXPECT_EQ(table->child(12), cell);
    EXPECT_EQ(QAccessible::accessibleInterface(id), cell);
    board.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr) << "the cell outlived its board";
}

// --- the press action and the click

struct GameSnapshot {
    std::array<Lower, kCells> lower;
    std::array<Upper, kCells> upper;
    int frogCell, clearedStages;
    friend bool operator==(const GameSnapshot&, const GameSnapshot&) = default;
};

// What a release of one cell did to the position, and whether it opened the stage-clear window.
struct ReleaseOutcome {
    GameSnapshot after;
    bool stageClearOpened = false;
};

void click(MainWindow& window, int cell) {
    const PixelPoint origin = cellOrigin(cell);
    clickAt(window.board(), QPoint(origin.x + 16, origin.y + 16));
}

void press(MainWindow& window, int cell) {
    pressAction(QAccessible::queryAccessibleInterface(window.board())->child(cell));
}

class PressTest : public ::testing::Test {
protected:
    // A window at `position` whose timer is stopped: the test decides when the engine ticks.
    std::unique_ptr<MainWindow> open(const GameState& position) {
        auto window = std::make_unique<MainWindow>(random_, position);
        window->turnTimer().stop();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    // Releases `cell` of a fresh window at `position` through `how` (a click or a press)
    // and waits until the game has handled it; a stage-clear window is clicked away.
    ReleaseOutcome release(const GameState& position, int cell, void (*how)(MainWindow&, int)) {
        random_ = SeededRandom(20261209);  // the same next stage after a clear
        std::unique_ptr<MainWindow> window = open(position);
        ReleaseOutcome outcome;
        if (position.upperAt(cell) == Upper::curtain)
            whenModalOpens([&outcome](QWidget* modal) {
                outcome.stageClearOpened = qobject_cast<StageClearWindow*>(modal) != nullptr;
                clickAt(modal, QPoint(100, 50));
            });
        // Connected after the game's own slot: it hears the release once the game handled it.
        QSignalSpy released(window->board(), &BoardWidget::cellReleased);
        how(*window, cell);
        if (released.count() == 0) {
            EXPECT_TRUE(released.wait(30'000)) << "cell " << cell << " was never released";
        }
        EXPECT_EQ(released.count(), 1);
        if (!released.isEmpty()) {
            EXPECT_EQ(released.at(0).at(0).toInt(), cell);
        }
        const GameState& s = window->game().state();
        outcome.after = {s.lower, s.upper, s.frogCell, s.clearedStages};
        return outcome;
    }

    SeededRandom random_{20261209};
};

TEST_F(PressTest, APressOnACellDoesWhatAClickOnItDoes) {
    const GameState position = stageFrom(kEveryState);
    struct Case {
        int cell;
        const char* what;
    };
    const Case cases[] = {
        {12, "a pad the frog can jump to: the frog jumps"},
        {33, "a curtain: the stage is cleared"},
        {2, "a plain pad: nothing"},
        {20, "a sunk pad: nothing"},
        {0, "the frog: nothing"},
        {55, "an empty cell: nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReleaseOutcome clicked = release(position, c.cell, click);
        const ReleaseOutcome pressed = release(position, c.cell, press);
        EXPECT_TRUE(pressed.after == clicked.after) << "cell " << c.cell;
        EXPECT_EQ(pressed.stageClearOpened, clicked.stageClearOpened);
        EXPECT_EQ(pressed.stageClearOpened, c.cell == 33);
    }
    // A press really moves the game: the jump lands, the clear counts.
    EXPECT_EQ(release(position, 12, press).after.frogCell, 12);
    EXPECT_EQ(release(position, 33, press).after.clearedStages, 1);
}

TEST_F(PressTest, APressWhileAModalWindowIsOpenDoesNothingLikeAClick) {
    std::unique_ptr<MainWindow> window = open(stageFrom(kEveryState));
    QSignalSpy released(window->board(), &BoardWidget::cellReleased);
    const GameState before = window->game().state();
    whenModalOpens([&](QWidget* modal) {
        press(*window, 12);
        click(*window, 12);
        QCoreApplication::processEvents();  // the press is handled on the next turn of the loop
        QCoreApplication::processEvents();
        EXPECT_EQ(released.count(), 0);
        modal->close();
    });
    window->openVersionDialog();
    QCoreApplication::processEvents();
    EXPECT_EQ(released.count(), 0);
    EXPECT_EQ(window->game().state().lower, before.lower);
    EXPECT_EQ(window->game().state().frogCell, before.frogCell);
}

// --- news of changed cells, with a screen reader listening

class CellNewsTest : public AccessibilityOn {
protected:
    void SetUp() override {
        AccessibilityOn::SetUp();
        window_ = std::make_unique<MainWindow>(random_, stageFrom({
                                                            "..........",
                                                            "..........",
                                                            "..........",
                                                            "...o.o....",
                                                            "..o...o...",
                                                            "....F.....",
                                                            "..o...o..o",
                                                            "...o.o....",
                                                            "..........",
                                                            "..........",
                                                        }));
        window_->turnTimer().stop();
        table_ = QAccessible::queryAccessibleInterface(window_->board());
        ASSERT_NE(dynamic_cast<AccessibleBoard*>(table_), nullptr) << "the board is not the game's table";
        forget();
    }
    void TearDown() override {
        window_.reset();
        AccessibilityOn::TearDown();
    }
    SeededRandom random_{1};
    std::unique_ptr<MainWindow> window_;
    QAccessibleInterface* table_ = nullptr;
};

std::vector<std::string> names(std::initializer_list<const char*> list) {
    std::vector<std::string> out(list.begin(), list.end());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> sorted(const std::vector<QString>& list) {
    std::vector<std::string> out;
    for (const QString& name : list) out.push_back(name.toStdString());
    std::sort(out.begin(), out.end());
    return out;
}

TEST_F(CellNewsTest, ATickTellsOnlyTheCellsWhoseNameChanged) {
    // The frog on 54 can reach the eight pads around it; 69 is out of reach. The cells are
    // told once the game's event is over.
    window_->game().Timer1_Timer();
    EXPECT_TRUE(namesChanged().empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(sorted(namesChanged()),
              names({"4行4列 跳べる葉", "4行6列 跳べる葉", "5行3列 跳べる葉", "5行7列 跳べる葉",
                            "7行3列 跳べる葉", "7行7列 跳べる葉", "8行4列 跳べる葉", "8行6列 跳べる葉"}));
    for (const HeardEvent& event : heard()) EXPECT_EQ(event.type, QAccessible::NameChanged);

    // The next tick only changes the frog's pose: nothing to tell.
    forget();
    window_->game().Timer1_Timer();
    QCoreApplication::processEvents();
    EXPECT_TRUE(namesChanged().empty()) << namesChanged().front().toStdString();

    // A jump: the frog's new and old cells (told once, as sunk), and the marks taken off
    // the other pads.
    forget();
    window_->game().image2_MouseUp(33);
    QCoreApplication::processEvents();
    EXPECT_EQ(sorted(namesChanged()),
              names({"4行4列 カエル", "6行5列 沈んだ葉", "4行6列 蓮の葉", "5行3列 蓮の葉", "5行7列 蓮の葉",
                            "7行3列 蓮の葉", "7行7列 蓮の葉", "8行4列 蓮の葉", "8行6列 蓮の葉"}));
}

TEST_F(CellNewsTest, EventsComeFromTheSameCellObjectsAsTheTable) {
    window_->game().Timer1_Timer();
    QCoreApplication::processEvents();
    ASSERT_FALSE(heard().empty());
    for (const HeardEvent& event : heard()) {
        const int index = table_->indexOfChild(event.about);
        ASSERT_GE(index, 0) << "an event about an object that is not one of the table's cells";
        EXPECT_EQ(event.about, table_->child(index));
    }
}

}  // namespace
}  // namespace poron::test
