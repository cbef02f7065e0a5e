// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its shape, its menu, and the game played through it with the mouse.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include "board_picture.h"
#include "board_widget.h"
#include "continue_dialog.h"
#include "main_window.h"
#include "modal_helpers.h"
#include "picture_palette.h"
#include "stage_clear_window.h"
#include "version_dialog.h"

namespace poron::test {
namespace {

StageSetup startingAt(int startCell) {
    StageSetup setup;
    setup.startCell = startCell;
    return setup;
}

StageSetup normalAfter(int clearedStages) {
    StageSetup setup;
    setup.level = 2;
    setup.clearedStages = clearedStages;
    return setup;
}

class MainWindowTest : public ::testing::Test {
protected:
    // A window as the program opens it: start-up done, shown.
    MainWindow& openFresh() {
        window_ = std::make_unique<MainWindow>(random_);
        window_->game().Form_Load();
        return show();
    }
    // A window whose game starts from a drawn position; its timer is stopped so that the
    // test decides when the turn engine ticks.
    MainWindow& openAt(const Picture& picture, const StageSetup& setup = {}) {
        window_ = std::make_unique<MainWindow>(random_, stageFrom(picture, setup));
        window_->turnTimer().stop();
        return show();
    }
    QAction* action(const char* name) {
        auto* found = window_->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The centre of a cell's square on the board.
    static QPoint centreOf(int cell) {
        const PixelPoint origin = cellOrigin(cell);
        return {origin.x + 16, origin.y + 16};
    }

    // Start-up seeds it again from the same seed, so every run lays out the same stages.
    SeededRandom random_{20261209};
    std::unique_ptr<MainWindow> window_;

private:
    MainWindow& show() {
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        return *window_;
    }
};

TEST_F(MainWindowTest, OpensAtItsFixedSizeWithTheTitleAndAnEmptyBoard) {
    MainWindow& window = openFresh();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ポロンパズル"));
    EXPECT_EQ(window.board()->size(), QSize(320, 320));
    // The client area is exactly the board, right below the menu bar.
    EXPECT_EQ(window.board()->geometry(), QRect(0, window.menuBar()->height(), 320, 320));
    EXPECT_EQ(window.size(), QSize(320, window.menuBar()->height() + 320));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(window.menuBar()->isNativeMenuBar());
    EXPECT_EQ(window.board()->background().cacheKey(), PicturePalette::instance().reward(0).cacheKey());
    EXPECT_TRUE(window.turnTimer().isActive());
    EXPECT_EQ(window.turnTimer().interval(), 300);
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(window.game().state().lowerAt(cell), Lower::blank);
        EXPECT_EQ(window.game().state().upperAt(cell), Upper::blank);
    }
}

TEST_F(MainWindowTest, HiddenLabelHoldsItsTextButIsNeverShown) {
    MainWindow& window = openFresh();
    QLabel* label = window.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_EQ(label, window.hiddenLabel());
    EXPECT_EQ(label->text(), QStringLiteral("Label1"));
    window.setLabel1("3");
    EXPECT_EQ(label->text(), QStringLiteral("3"));
    EXPECT_FALSE(label->isVisible());
}

TEST_F(MainWindowTest, MenuBarHasTheGameMenuGiveUpAndOptionsInOrder) {
    MainWindow& window = openFresh();
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("ｹﾞｰﾑ"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("ｷﾞﾌﾞｱｯﾌﾟ"));
    EXPECT_EQ(bar[2]->text(), QStringLiteral("ｵﾌﾟｼｮﾝ"));
    EXPECT_EQ(bar[1]->menu(), nullptr) << "give-up is a command right on the bar";
    ASSERT_NE(bar[0]->menu(), nullptr);
    ASSERT_NE(bar[2]->menu(), nullptr);

    const QList<QAction*> game = bar[0]->menu()->actions();
    ASSERT_EQ(game.size(), 5);
    EXPECT_EQ(game[0]->text(), QStringLiteral("かんたん"));
    EXPECT_EQ(game[1]->text(), QStringLiteral("ふつう"));
    EXPECT_EQ(game[2]->text(), QStringLiteral("むずかしい"));
    EXPECT_TRUE(game[3]->isSeparator());
    EXPECT_EQ(game[4]->text(), QStringLiteral("終了"));
    const QList<QAction*> options = bar[2]->menu()->actions();
    ASSERT_EQ(options.size(), 1);
    EXPECT_EQ(options[0]->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    QList<QAction*> all = bar + game + options;
    for (QAction* item : all) {
        EXPECT_FALSE(item->isCheckable()) << item->text().toStdString();
        EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
        EXPECT_FALSE(item->text().contains(QLatin1Char('&'))) << item->text().toStdString();
        EXPECT_TRUE(item->isEnabled() && item->isVisible()) << item->text().toStdString();
    }
}

TEST_F(MainWindowTest, DifficultyCommandsLayOutAStageOfTheirLevel) {
    struct Case {
        const char* action;
        int level;
    };
    for (const Case& c : {Case{"geazy", 1}, Case{"gnoml", 2}, Case{"ghard", 5}}) {
        MainWindow& window = openFresh();
        action(c.action)->trigger();
        const GameState& state = window.game().state();
        EXPECT_EQ(state.level, c.level) << c.action;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("レベル0")) << c.action;
        EXPECT_EQ(std::count(state.lower.begin(), state.lower.end(), Lower::pad), 12) << c.action;
        EXPECT_EQ(state.upperAt(state.frogCell), Upper::frog) << c.action;
    }
}

TEST_F(MainWindowTest, GiveUpFromTheBarRestartsTheStage) {
    MainWindow& window = openAt({
        "..........",
        "...x......",
        ".....F....",
        "...o......",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    }, startingAt(13));
    action("gup")->trigger();
    EXPECT_TRUE(showsPicture(window.game().state(), {
        "..........",
        "...F......",
        ".....o....",
        "...o......",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    }));
}

TEST_F(MainWindowTest, ClickingATargetMovesTheFrogOnScreen) {
    MainWindow& window = openAt({
        "..........",
        "..........",
        "...o......",
        "..........",
        "....F.o...",  // 46 stays out of reach, so 23 gets no curtain
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    });
    window.game().Timer1_Timer();  // marks cell 23
    ASSERT_EQ(window.game().state().lowerAt(23), Lower::target);
    clickAt(window.board(), centreOf(23));
    EXPECT_EQ(window.game().state().frogCell, 23);

    // What the player sees: the frog over a plain pad on 23, a sunk pad on 44, both over the
    // title picture.
    const QImage shown = window.board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const PicturePalette& palette = PicturePalette::instance();
    auto expected = [&](int cell, std::initializer_list<poron::Picture> layers) {
        const PixelPoint origin = cellOrigin(cell);
        QImage square(32, 32, QImage::Format_RGB32);
        QPainter painter(&square);
        painter.drawPixmap(0, 0, palette.reward(0), origin.x, origin.y, 32, 32);
        for (poron::Picture layer : layers) painter.drawPixmap(0, 0, palette.sprite(layer));
        return square;
    };
    EXPECT_EQ(shown.copy(cellOrigin(23).x, cellOrigin(23).y, 32, 32), expected(23, {poron::Picture::pad, poron::Picture::frog}));
    EXPECT_EQ(shown.copy(cellOrigin(44).x, cellOrigin(44).y, 32, 32), expected(44, {poron::Picture::sunk}));
}

TEST_F(MainWindowTest, ClearingAStageShowsTheStageClearWindowThenTheNextRewardPicture) {
    MainWindow& window = openAt({
        "..........",
        "..........",
        "...C......",
        "..........",
        "....F.....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    }, normalAfter(2));
    bool sawWindow = false;
    whenModalOpens([&](QWidget* modal) {
        sawWindow = qobject_cast<StageClearWindow*>(modal) != nullptr;
        // Behind it the game has not moved on yet.
        EXPECT_EQ(window.game().state().clearedStages, 2);
        EXPECT_EQ(window.game().state().upperAt(23), Upper::curtain);
        clickAt(modal, QPoint(100, 50));
    });
    clickAt(window.board(), centreOf(23));
    EXPECT_TRUE(sawWindow);
    EXPECT_EQ(window.game().state().clearedStages, 3);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("レベル3"));
    EXPECT_EQ(window.board()->background().cacheKey(), PicturePalette::instance().reward(3).cacheKey());
    const GameState& state = window.game().state();
    EXPECT_EQ(std::count(state.lower.begin(), state.lower.end(), Lower::pad), 12 + 2 * 3);
}

// A frog on 44 with two pads it cannot reach: every tick in play finds it stuck, and
// a restart puts it back on 44.
const Picture kStuck = {
    "..........",
    "..........",
    "..........",
    "..........",
    "....Foo...",
    "..........",
    "..........",
    "..........",
    "..........",
    "..........",
};

TEST_F(MainWindowTest, StuckFrogOpensTheContinueDialogAndYesRestartsTheStage) {
    MainWindow& window = openAt(kStuck);
    // Twice in a row: the second dialog starts afresh, although the first had counted down.
    for (int stuck = 1; stuck <= 2; ++stuck) {
        bool sawDialog = false;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<ContinueDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            sawDialog = true;
            EXPECT_EQ(dialog->headline()->text(), QStringLiteral("手詰まり"));
            EXPECT_EQ(dialog->count()->text(), QStringLiteral("9"));
            EXPECT_EQ(window.game().state().gameState, 0);
            if (stuck == 1) {  // the dialog's own timer counts on
                EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->count()->text() != QStringLiteral("9"); },
                                            30'000));
                EXPECT_EQ(dialog->count()->text(), QStringLiteral("8"));
            }
            clickAt(dialog, ContinueDialog::yesArea().center());
        });
        window.game().Timer1_Timer();
        EXPECT_TRUE(sawDialog);
        EXPECT_EQ(window.hiddenLabel()->text(), QString::number(stuck));
        EXPECT_EQ(window.game().state().stuckCount, stuck);
        EXPECT_EQ(window.game().state().gameState, 1);
        EXPECT_TRUE(showsPicture(window.game().state(), kStuck));
    }
}

TEST_F(MainWindowTest, ClosingTheContinueDialogThroughTheWindowSystemContinues) {
    MainWindow& window = openAt(kStuck);
    whenModalOpens([](QWidget* modal) { modal->close(); });
    window.game().Timer1_Timer();
    EXPECT_EQ(window.game().state().stuckCount, 1);
    EXPECT_EQ(window.game().state().gameState, 1);
}

TEST_F(MainWindowTest, FrogKeepsSwitchingPosesBehindTheVersionDialog) {
    MainWindow& window = openAt({
        "..........",
        "..........",
        "...o......",
        "..........",
        "....F.....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    });
    window.turnTimer().start();  // the real 300 ms timer
    std::vector<Upper> poses;  // each pose the frog takes while the dialog is open
    whenModalOpens([&](QWidget* modal) {
        EXPECT_NE(qobject_cast<VersionDialog*>(modal), nullptr);
        poses.push_back(window.game().state().upperAt(44));
        // Two changes of pose, however late a loaded machine delivers the ticks.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            if (const Upper now = window.game().state().upperAt(44); now != poses.back()) poses.push_back(now);
            return poses.size() >= 3;
        }, 30'000)) << "the frog did not keep changing its pose while the dialog was open";
        modal->close();
    });
    action("gverinfo")->trigger();
    ASSERT_GE(poses.size(), 3u);
    EXPECT_EQ(poses[0], Upper::frog);
    EXPECT_EQ(poses[1], Upper::frogHeart);
    EXPECT_EQ(poses[2], Upper::frog);
}

using MainWindowDeathTest = MainWindowTest;

TEST_F(MainWindowDeathTest, QuitEndsTheProgramAtOnceWithStatusZero) {
    EXPECT_EXIT(
        {
            openFresh();
            action("geazy")->trigger();
            action("gend")->trigger();
            std::fprintf(stderr, "still running\n");
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowDeathTest, ClosingTheMainWindowEndsTheProgramWithStatusZero) {
    EXPECT_EXIT(
        {
            openFresh().close();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowDeathTest, NoInTheContinueDialogEndsTheProgramAndTheStageIsNotRestarted) {
    EXPECT_EXIT(
        {
            MainWindow& window = openAt(kStuck);
            whenModalOpens([](QWidget* modal) { clickAt(modal, ContinueDialog::noArea().center()); });
            window.game().Timer1_Timer();
            std::fprintf(stderr, "the game went on after No\n");
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace poron::test
