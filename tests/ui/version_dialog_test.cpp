// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The version dialog: its look, OK with the keyboard focus, Escape doing nothing.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "version_dialog.h"

namespace poron::test {
namespace {

std::unique_ptr<VersionDialog> openDialog() {
    auto dialog = std::make_unique<VersionDialog>();
    dialog->show();
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    return dialog;
}

TEST(VersionDialogTest, ShowsTheTitleAndVersionOverTheLogoTheSameEachTime) {
    for (int opening = 0; opening < 2; ++opening) {
        auto dialog = openDialog();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        EXPECT_EQ(dialog->size(), QSize(197, 119));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        QLabel* label = dialog->title();
        EXPECT_EQ(label->text(), QStringLiteral("ポロンパズルver2.0"));
        EXPECT_EQ(label->geometry(), QRect(8, 48, 97, 25));
        EXPECT_TRUE(label->wordWrap());
        EXPECT_EQ(label->font().pixelSize(), 13);
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 224, 192));
        EXPECT_TRUE(label->autoFillBackground());
        QPushButton* ok = dialog->okButton();
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_EQ(ok->geometry(), QRect(152, 88, 33, 17));
        EXPECT_TRUE(ok->hasFocus());
    }
}

TEST(VersionDialogTest, EnterOrSpaceOnTheFocusedOkButtonClosesIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        auto dialog = openDialog();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(dialog->isVisible()) << key;
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << key;
    }
}

TEST(VersionDialogTest, EscapeDoesNothing) {
    auto dialog = openDialog();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
}

TEST(VersionDialogTest, ClickingOkClosesIt) {
    auto dialog = openDialog();
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace poron::test
