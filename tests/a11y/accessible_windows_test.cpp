// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal windows as a screen reader sees them: the continue dialog an alert that reads
// its headline and count, with Yes and No as buttons; the stage-clear window a dialog that
// a press closes; the version dialog's label and OK button. And the spoken news, where Qt
// sends it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "accessibility_fixture.h"
#include "announcement.h"
#include "board_picture.h"
#include "click_area.h"
#include "continue_dialog.h"
#include "main_window.h"
#include "modal_helpers.h"
#include "random_source.h"
#include "stage_clear_window.h"
#include "version_dialog.h"

namespace poron::test {
namespace {

QAccessibleInterface* interfaceOf(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The accessible child of `parent` with this role and name, or nullptr.
QAccessibleInterface* childNamed(QAccessibleInterface* parent, QAccessible::Role role, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->role() == role && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

// The windows are made while a screen reader listens, as they are in play: an interface
// asked for too early would not be the game's.
using AccessibleWindowsTest = AccessibilityOn;

TEST_F(AccessibleWindowsTest, TheContinueDialogIsAnAlertThatReadsItsHeadlineAndCount) {
    ContinueDialog dialog;
    QAccessibleInterface* alert = interfaceOf(&dialog);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    struct Step {
        int ticks;  // ticks of the dialog's timer before this step
        const char* name;
        const char* description;
    };
    const Step script[] = {
        {0, "手詰まり", "Continue？ 9"},
        {1, "もう あきらめちゃうの？", "Continue？ 8"},
        {1, "もう あきらめちゃうの？", "Continue？ 7"},
        {3, "だいじょうぶ、 なんとかなるって", "Continue？ 4"},
        {4, "ＧＡＭＥ ＯＶＥＲ", "Continue？ 0"},
    };
    for (const Step& step : script) {
        for (int k = 0; k < step.ticks; ++k) dialog.Timer1_Timer();
        EXPECT_EQ(alert->text(QAccessible::Name), QString::fromUtf8(step.name));
        EXPECT_EQ(alert->text(QAccessible::Description), QString::fromUtf8(step.description));
        // The labels read what they show, as well.
        EXPECT_NE(childNamed(alert, QAccessible::StaticText, dialog.count()->text()), nullptr);
    }
    EXPECT_NE(childNamed(alert, QAccessible::StaticText, QStringLiteral("Continue？")), nullptr);
}

TEST_F(AccessibleWindowsTest, YesAndNoAreButtonsOnTheirAreas) {
    ContinueDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QAccessibleInterface* alert = interfaceOf(&dialog);
    struct Case {
        const char* name;
        QRect area;
    };
    for (const Case c : {Case{"Yes", ContinueDialog::yesArea()}, Case{"No", ContinueDialog::noArea()}}) {
        QAccessibleInterface* button = childNamed(alert, QAccessible::Button, QString::fromLatin1(c.name));
        ASSERT_NE(button, nullptr) << c.name;
        ASSERT_NE(button->actionInterface(), nullptr) << c.name;
        EXPECT_EQ(button->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        EXPECT_EQ(button->rect(), QRect(dialog.mapToGlobal(c.area.topLeft()), c.area.size())) << c.name;
    }
}

TEST_F(AccessibleWindowsTest, PressingYesContinuesLikeAClick) {
    for (int ticks : {0, 9}) {  // also while "ＧＡＭＥ ＯＶＥＲ" shows
        ContinueDialog dialog;
        for (int k = 0; k < ticks; ++k) dialog.Timer1_Timer();
        whenModalOpens([](QWidget* modal) {
            pressAction(childNamed(interfaceOf(modal), QAccessible::Button, QStringLiteral("Yes")));
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted) << ticks << " ticks";
    }
}

using AccessibleWindowsDeathTest = AccessibleWindowsTest;

TEST_F(AccessibleWindowsDeathTest, PressingNoEndsTheProgramLikeAClick) {
    EXPECT_EXIT(
        {
            ContinueDialog dialog;
            whenModalOpens([](QWidget* modal) {
                pressAction(childNamed(interfaceOf(modal), QAccessible::Button, QStringLiteral("No")));
            });
            dialog.exec();
            std::exit(3);  // No must not return to the game
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(AccessibleWindowsTest, TheStageClearWindowIsADialogThatAPressCloses) {
    StageClearWindow window;
    QAccessibleInterface* iface = interfaceOf(&window);
    EXPECT_EQ(iface->role(), QAccessible::Dialog);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("すてーじくりあ"));
    whenModalOpens([](QWidget* modal) { pressAction(interfaceOf(modal)); });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
}

TEST_F(AccessibleWindowsTest, TheVersionDialogReadsItsLabelAndItsOkButtonClosesIt) {
    VersionDialog dialog;
    QAccessibleInterface* iface = interfaceOf(&dialog);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_NE(childNamed(iface, QAccessible::StaticText, QStringLiteral("ポロンパズルver2.0")), nullptr);
    whenModalOpens([](QWidget* modal) {
        QAccessibleInterface* ok = childNamed(interfaceOf(modal), QAccessible::Button, QStringLiteral("OK"));
        ASSERT_NE(ok, nullptr);
        ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

// --- spoken news (Qt 6.8 and newer)

std::vector<QString> announcements() {
    std::vector<QString> messages;
    for (const HeardEvent& event : AccessibilityOn::heard())
        if (!event.message.isEmpty()) messages.push_back(event.message);
    return messages;
}

TEST_F(AccessibleWindowsTest, AnnouncementsSayTheStageTheJumpsTheStuckFrogAndTheCount) {
    if (!kCanAnnounce) GTEST_SKIP() << "this Qt (" << QT_VERSION_STR << ") sends no announcements; 6.8 does";
    SeededRandom random(1);
    MainWindow window(random, stageFrom({
                                  "..........",
                                  "..........",
                                  "..........",
                                  "...o......",
                                  "..........",
                                  "....F.....",
                                  "..........",
                                  "..........",
                                  "..........",
                                  ".........o",
                              }));
    window.setCaption("レベル0");  // as a new stage does
    // The window's own timer ticks: its news comes after the turn engine's marks.
    ASSERT_TRUE(QTest::qWaitFor([] { return !announcements().empty(); }, 30'000));
    EXPECT_EQ(announcements().front(), QStringLiteral("レベル0：蓮の葉3枚。カエルは6行5列。跳べる葉：4行4列。"));

    // The jump to 33 leaves the frog stuck (the far pad in the corner is out of reach, so no
    // curtain stands over 33): the jump is told before the dialog speaks.
    forget();
    whenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<ContinueDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->Timer1_Timer();
        dialog->Timer1_Timer();
        dialog->accept();
    });
    window.game().image2_MouseUp(33);
    ASSERT_TRUE(QTest::qWaitFor([] { return announcements().size() >= 5; }, 30'000));
    const std::vector<QString> told = announcements();
    EXPECT_EQ(told[0], QStringLiteral("4行4列へ跳んだ。"));
    EXPECT_EQ(told[1], QStringLiteral("手詰まり。Continue？ 9"));
    EXPECT_EQ(told[2], QStringLiteral("8、もう あきらめちゃうの？"));
    EXPECT_EQ(told[3], QStringLiteral("7"));
    EXPECT_EQ(told[4], QStringLiteral("やりなおし：カエルは6行5列。"));
}

TEST_F(AccessibleWindowsTest, NothingIsAnnouncedWhereQtCannotSayIt) {
    if (kCanAnnounce) GTEST_SKIP() << "this Qt sends announcements";
    // A screen reader listens, and still no words are made for announcements.
    ASSERT_TRUE(QAccessible::isActive());
    EXPECT_FALSE(announcementsHeard());
}

}  // namespace
}  // namespace poron::test
