// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The continue dialog: its countdown script, its click areas, and keys that do nothing.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "continue_dialog.h"
#include "modal_helpers.h"

namespace poron::test {
namespace {

class ContinueDialogTest : public ::testing::Test {
protected:
    ContinueDialog& open() {
        dialog_ = std::make_unique<ContinueDialog>();
        dialog_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
        return *dialog_;
    }
    std::unique_ptr<ContinueDialog> dialog_;
};

QString shown(const QLabel* label) { return label->text().replace(QStringLiteral("\r\n"), QStringLiteral("/")); }

TEST_F(ContinueDialogTest, OpensWithItsHeadlineQuestionAndCount) {
    ContinueDialog& dialog = open();
    EXPECT_EQ(dialog.size(), QSize(193, 112));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(dialog.windowTitle().trimmed().isEmpty()) << "the caption shows nothing";
    EXPECT_EQ(dialog.headline()->text(), QStringLiteral("手詰まり"));
    EXPECT_EQ(dialog.question()->text(), QStringLiteral("Continue？"));
    EXPECT_EQ(dialog.count()->text(), QStringLiteral("9"));
    EXPECT_EQ(dialog.question()->pos(), QPoint(56, 64));
    EXPECT_EQ(dialog.count()->pos(), QPoint(168, 56));
    EXPECT_EQ(dialog.headline()->font().pixelSize(), 21);
    EXPECT_EQ(dialog.headline()->font().weight(), QFont::Bold);
    EXPECT_EQ(dialog.question()->font().pixelSize(), 19);
    EXPECT_EQ(dialog.question()->font().weight(), QFont::Bold);
    EXPECT_EQ(dialog.count()->font().pixelSize(), 27);
    EXPECT_EQ(dialog.count()->font().weight(), QFont::Normal);
}

TEST_F(ContinueDialogTest, CountsDownWithItsMessages) {
    ContinueDialog& dialog = open();
    struct Step {
        const char* count;
        const char* headline;  // a slash stands for the line break
    };
    const Step script[] = {
        {"8", "もう/あきらめちゃうの？"},
        {"7", "もう/あきらめちゃうの？"},
        {"6", "おねがい/がんばって"},
        {"5", "おねがい/がんばって"},
        {"4", "だいじょうぶ、/なんとかなるって"},
        {"3", "だいじょうぶ、/なんとかなるって"},
        {"2", "ピピちゃんッ！！"},
        {"1", "ピピちゃんッ！！"},
        {"0", "ＧＡＭＥ ＯＶＥＲ"},
    };
    for (const Step& step : script) {
        dialog.Timer1_Timer();
        EXPECT_EQ(dialog.count()->text(), QString::fromUtf8(step.count));
        EXPECT_EQ(shown(dialog.headline()), QString::fromUtf8(step.headline)) << step.count;
        // Every message stays readable inside the window.
        EXPECT_TRUE(dialog.rect().contains(dialog.headline()->geometry())) << step.count;
    }
    EXPECT_EQ(dialog.countdown(), 0);
}

TEST_F(ContinueDialogTest, CountsOnItsOwnEvery1200Milliseconds) {
    ContinueDialog& dialog = open();
    EXPECT_TRUE(dialog.countdownTimer().isActive());
    EXPECT_EQ(dialog.countdownTimer().interval(), 1200);
    // Its own timer moves the count on, one step at a time. The wait is for the count, not
    // for a time: a loaded machine delivers the tick late.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.count()->text() != QStringLiteral("9"); }, 30'000));
    EXPECT_EQ(dialog.count()->text(), QStringLiteral("8"));
}

TEST_F(ContinueDialogTest, OnlyTheYesAreaContinues) {
    struct Case {
        QPoint at;
        bool continues;
    };
    const Case cases[] = {
        {{50, 79}, false},  // the top of the painted word lies above the area
        {{50, 78}, false},
        {{23, 90}, false},
        {{81, 90}, false},
        {{50, 105}, false},
        {{100, 30}, false},  // the picture
        {{70, 70}, false},   // the question's label
        {{24, 80}, true},
        {{80, 104}, true},
        {{50, 92}, true},
    };
    for (const Case& c : cases) {
        ContinueDialog& dialog = open();
        clickAt(&dialog, c.at);
        EXPECT_EQ(!dialog.isVisible(), c.continues) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.continues) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(ContinueDialogTest, YesStillContinuesWhileGameOverShows) {
    ContinueDialog& dialog = open();
    for (int k = 0; k < 9; ++k) dialog.Timer1_Timer();
    ASSERT_EQ(dialog.headline()->text(), QStringLiteral("ＧＡＭＥ ＯＶＥＲ"));
    clickAt(&dialog, ContinueDialog::yesArea().center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ContinueDialogTest, KeysDoNothing) {
    ContinueDialog& dialog = open();
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Y, Qt::Key_N}) {
        QTest::keyClick(&dialog, static_cast<Qt::Key>(key));
        EXPECT_TRUE(dialog.isVisible()) << key;
    }
}

TEST_F(ContinueDialogTest, ClicksOutsideTheNoAreaDoNotEndTheProgram) {
    for (QPoint at : {QPoint(135, 90), QPoint(169, 90), QPoint(150, 79), QPoint(150, 105)}) {
        ContinueDialog& dialog = open();
        clickAt(&dialog, at);
        EXPECT_TRUE(dialog.isVisible()) << at.x() << "," << at.y();
    }
}

using ContinueDialogDeathTest = ContinueDialogTest;

TEST_F(ContinueDialogDeathTest, NoEndsTheProgramAtAnyCount) {
    for (int ticks : {0, 5, 9}) {
        for (QPoint at : {QPoint(136, 80), QPoint(168, 104), QPoint(150, 92)}) {
            EXPECT_EXIT(
                {
                    ContinueDialog& dialog = open();
                    for (int k = 0; k < ticks; ++k) dialog.Timer1_Timer();
                    clickAt(&dialog, at);
                    std::exit(3);
                },
                ::testing::ExitedWithCode(0), "")
                << ticks << " ticks, at " << at.x() << "," << at.y();
        }
    }
}

TEST_F(ContinueDialogDeathTest, TheProgramEndsWhenTheCountRunsOut) {
    EXPECT_EXIT(
        {
            ContinueDialog& dialog = open();
            for (int k = 0; k < 9; ++k) dialog.Timer1_Timer();
            if (dialog.isVisible()) std::fprintf(stderr, "at zero\n");
            dialog.Timer1_Timer();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "at zero");
}

}  // namespace
}  // namespace poron::test
