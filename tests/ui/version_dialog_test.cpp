// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The version dialog: its look, its title legible down to the handakuten of ポ and パ, OK
// with the keyboard focus, Escape doing nothing.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <vector>

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

// The title as the screen shows it at scale 1, in grey levels (0 black .. 255 white).
std::vector<std::vector<int>> greysOf(const QImage& image) {
    std::vector<std::vector<int>> greys(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) greys[static_cast<std::size_t>(y)].push_back(qGray(image.pixel(x, y)));
    return greys;
}

std::vector<std::vector<int>> shownTitle(QLabel& label) {
    return greysOf(label.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// The holes of rings in rows 0..rows-1 of x from..to: one pixel, or two side by side or one
// above the other, each lighter by more than 30 than every pixel around them (left, right,
// above, below). A handakuten drawn as a ring has one; a dot, a dakuten's two strokes or a
// ring cut by the box's edge have none.
int ringHoles(const std::vector<std::vector<int>>& g, int from, int to, int rows) {
    const int height = static_cast<int>(g.size());
    const int width = static_cast<int>(g[0].size());
    auto at = [&](int x, int y) { return g[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]; };
    int holes = 0;
    for (int y = 1; y < rows; ++y)
        for (int x = std::max(from, 1); x <= to; ++x)
            for (const QSize shape : {QSize(1, 1), QSize(2, 1), QSize(1, 2)}) {
                const QRect hole(x, y, shape.width(), shape.height());
                if (hole.right() + 1 >= width || hole.bottom() + 1 >= height) continue;
                int lightest = 255, darkest = 0;
                for (int v = hole.top(); v <= hole.bottom(); ++v)
                    for (int u = hole.left(); u <= hole.right(); ++u) lightest = std::min(lightest, at(u, v));
                for (int u = hole.left(); u <= hole.right(); ++u)
                    darkest = std::max({darkest, at(u, hole.top() - 1), at(u, hole.bottom() + 1)});
                for (int v = hole.top(); v <= hole.bottom(); ++v)
                    darkest = std::max({darkest, at(hole.left() - 1, v), at(hole.right() + 1, v)});
                holes += darkest < lightest - 30;
            }
    return holes;
}

// At scale 1 the title's 13 px letters are small enough that the circle of ポ and パ is a
// few pixels: it must reach the screen whole, as a ring, or the words read ボロンバズル.
TEST(VersionDialogTest, TheTitleShowsTheHandakutenOfPoAndPaAsRings) {
    auto dialog = openDialog();
    QLabel* label = dialog->title();
    const std::vector<std::vector<int>> shown = shownTitle(*label);
    // The first line is the six katakana, centred: each a 13 px square, the handakuten in
    // the top right quarter of ポ (the first) and パ (the fourth).
    const int firstLine = label->fontMetrics().horizontalAdvance(QStringLiteral("ポロンパズル"));
    const int left = (label->width() - firstLine) / 2;
    const int em = label->font().pixelSize();
    auto topRightOf = [&](const std::vector<std::vector<int>>& g, int letter) {
        const int x = left + letter * em;
        return ringHoles(g, x + em / 2, x + em, em / 2 + 1);
    };
    EXPECT_GE(topRightOf(shown, 0), 1) << "ポ shows no ring";
    EXPECT_GE(topRightOf(shown, 3), 1) << "パ shows no ring";

    // The same measure finds none in ボ and バ, whose marks are two strokes.
    label->setText(QStringLiteral("ボロンバズルver2.0"));
    const std::vector<std::vector<int>> voiced = shownTitle(*label);
    EXPECT_EQ(topRightOf(voiced, 0), 0) << "ボ shows a ring";
    EXPECT_EQ(topRightOf(voiced, 3), 0) << "バ shows a ring";
}

// The box is 25 px high, the title two lines: none of its ink may fall outside the box.
TEST(VersionDialogTest, TheTitleLosesNoInkToTheEdgesOfItsBox) {
    auto dialog = openDialog();
    QLabel* label = dialog->title();
    auto inkOf = [](const QImage& image) {
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 160;
        return ink;
    };
    // The same text, font and wrapping with room to spare on every side.
    QImage roomy(label->width() + 40, label->height() + 40, QImage::Format_RGB32);
    roomy.fill(label->palette().color(QPalette::Window));
    QPainter painter(&roomy);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip;
    painter.drawText(QRect(20, 20, label->width(), label->height()), flags, label->text());
    painter.end();
    const int whole = inkOf(roomy);
    EXPECT_GT(whole, 100);
    EXPECT_EQ(inkOf(label->grab().toImage().convertToFormat(QImage::Format_RGB32)), whole);
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
