// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words Yes and No on the continue picture lie over the dialog's two
// click areas: their white letter pixels stay inside the painted boxes.
#include "picture_helpers.h"

#include <QRect>
#include <gtest/gtest.h>

namespace {

using poron::test::loadArgb;

const QRect kYes(QPoint(28, 78), QPoint(80, 105)); // inclusive corners
const QRect kNo(QPoint(137, 78), QPoint(169, 105));
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

TEST(ContinuePicture, WhiteLetterPixelsLieInsideTheWordBoxes)
{
    const QImage picture = loadArgb(":/pictures/continue.png");
    ASSERT_EQ(picture.size(), QSize(193, 113));
    int inYes = 0, inNo = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != kWhite)
                continue;
            const QPoint p(x, y);
            inYes += kYes.contains(p);
            inNo += kNo.contains(p);
            EXPECT_TRUE(kYes.contains(p) || kNo.contains(p)) << "white pixel outside the words at " << x << "," << y;
        }
    // Three letters and two letters, each more than a speck.
    EXPECT_GT(inYes, 90);
    EXPECT_GT(inNo, 60);
}

TEST(ContinuePicture, LettersHaveABlackOutlineInsideTheBoxes)
{
    const QImage picture = loadArgb(":/pictures/continue.png");
    for (const QRect &box : {kYes, kNo}) {
        int black = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb c = picture.pixel(x, y);
                black += c == kBlack;
            }
        EXPECT_GT(black, 40) << "box at " << box.left();
    }
}

TEST(ContinuePicture, OutlinesStayInsideTheBoxesToo)
{
    // The black of the outline belongs to the words; nothing else in the
    // picture is pure black, so every pure black pixel is in a box.
    const QImage picture = loadArgb(":/pictures/continue.png");
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == kBlack) {
                EXPECT_TRUE(kYes.contains(QPoint(x, y)) || kNo.contains(QPoint(x, y))) << x << "," << y;
            }
}

} // namespace
