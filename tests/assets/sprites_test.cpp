// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board sprites agree with each other: the three lily pads share one
// pad, the curtain's gap matches its inverting mask, the pointer's hot spot
// is the tip of its arm.
#include "picture_helpers.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using poron::test::isTransparent;
using poron::test::loadArgb;

TEST(LilyPads, OnBlueIsThePadOnASolidBlueSquare)
{
    const QImage pad = loadArgb(":/sprites/pad.xpm");
    const QImage onBlue = loadArgb(":/sprites/pad_on_blue.xpm");
    QSet<QRgb> background;
    int padPixels = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_FALSE(isTransparent(onBlue, x, y)) << x << "," << y;
            if (isTransparent(pad, x, y)) {
                background.insert(onBlue.pixel(x, y));
            } else {
                ++padPixels;
                EXPECT_EQ(onBlue.pixel(x, y), pad.pixel(x, y)) << x << "," << y;
            }
        }
    ASSERT_EQ(background.size(), 1) << "the square around the pad is one solid colour";
    const QRgb blue = *background.begin();
    EXPECT_GT(qBlue(blue), qRed(blue) + 80);
    EXPECT_GT(qBlue(blue), qGreen(blue) + 60);
    EXPECT_GT(padPixels, 32 * 32 / 2) << "the pad fills most of its cell";
}

TEST(LilyPads, StripedPadKeepsEveryOtherRowOfThePad)
{
    const QImage pad = loadArgb(":/sprites/pad.xpm");
    const QImage striped = loadArgb(":/sprites/pad_striped.xpm");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (y % 2 == 1) {
                EXPECT_TRUE(isTransparent(striped, x, y)) << x << "," << y;
            } else {
                EXPECT_EQ(isTransparent(striped, x, y), isTransparent(pad, x, y)) << x << "," << y;
                if (!isTransparent(pad, x, y)) {
                    EXPECT_EQ(striped.pixel(x, y), pad.pixel(x, y)) << x << "," << y;
                }
            }
        }
}

TEST(LilyPads, PadIsGreenWithADarkOutlineAndATealShadow)
{
    const QImage pad = loadArgb(":/sprites/pad.xpm");
    int green = 0, teal = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (isTransparent(pad, x, y))
                continue;
            const QRgb c = pad.pixel(x, y);
            if (qGreen(c) > 150 && qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60)
                ++green;
            if (qGreen(c) > qRed(c) + 40 && qBlue(c) > qRed(c) + 40 && std::abs(qGreen(c) - qBlue(c)) < 30) {
                ++teal;
                EXPECT_TRUE(x < 16 || y > 16) << "teal shadow off the lower left at " << x << "," << y;
            }
        }
    EXPECT_GT(green, 300);
    EXPECT_GT(teal, 10);
}

struct Columns {
    int first = -1;
    int last = -1;
};

TEST(Curtain, GapMaskIsAFourPixelColumnFromTopToBottom)
{
    const QImage mask = loadArgb(":/sprites/curtain_gap.xpm");
    for (int y = 0; y < 32; ++y) {
        SCOPED_TRACE(y);
        Columns row;
        int opaque = 0;
        for (int x = 0; x < 32; ++x)
            if (!isTransparent(mask, x, y)) {
                ++opaque;
                EXPECT_EQ(mask.pixel(x, y), qRgb(0, 0, 0));
                if (row.first < 0)
                    row.first = x;
                row.last = x;
            }
        EXPECT_EQ(opaque, 4);
        EXPECT_EQ(row.last - row.first, 3) << "the four pixels side by side";
        // Between the halves: the same columns on every row, in the middle.
        EXPECT_EQ(row.first, 14);
    }
}

TEST(Curtain, GapIsLeftOpenInTheCurtainBetweenItsHalves)
{
    const QImage curtain = loadArgb(":/sprites/curtain.xpm");
    const QImage mask = loadArgb(":/sprites/curtain_gap.xpm");
    for (int y = 0; y < 32; ++y) {
        SCOPED_TRACE(y);
        int gapFirst = 32, gapLast = -1;
        for (int x = 0; x < 32; ++x)
            if (!isTransparent(mask, x, y)) {
                EXPECT_TRUE(isTransparent(curtain, x, y)) << "curtain drawn over its gap at x " << x;
                gapFirst = std::min(gapFirst, x);
                gapLast = std::max(gapLast, x);
            }
        ASSERT_LE(gapFirst, gapLast);
        // The curtain's two halves meet the gap on both sides.
        EXPECT_FALSE(isTransparent(curtain, gapFirst - 1, y));
        EXPECT_FALSE(isTransparent(curtain, gapLast + 1, y));
    }
}

TEST(Curtain, IsRedWithABlackHem)
{
    const QImage curtain = loadArgb(":/sprites/curtain.xpm");
    int red = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = curtain.pixel(x, y);
            if (!isTransparent(curtain, x, y) && qRed(c) > 120 && qRed(c) > 2 * qGreen(c) && qRed(c) > 2 * qBlue(c))
                ++red;
        }
    EXPECT_GT(red, 32 * 32 / 2);
    for (int x = 0; x < 32; ++x)
        if (!isTransparent(curtain, x, 31)) {
            EXPECT_EQ(curtain.pixel(x, 31), qRgb(0, 0, 0)) << "hem at x " << x;
        }
}

// The numbers in the XPM header line: width height colours chars [x y].
QList<int> xpmHeader(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    const QRegularExpression header(QStringLiteral("\"\\s*(\\d+(?:\\s+\\d+)*)\\s*\""));
    const QRegularExpressionMatch m = header.match(text);
    QList<int> numbers;
    if (m.hasMatch())
        for (const QString &n : m.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            numbers.append(n.toInt());
    return numbers;
}

TEST(Pointer, HotSpotIsWrittenInTheHeaderAtTheTipOfTheArm)
{
    EXPECT_EQ(xpmHeader(":/sprites/pointer.xpm"), (QList<int>{32, 32, 3, 1, 2, 15}));

    const QImage pointer = loadArgb(":/sprites/pointer.xpm");
    ASSERT_FALSE(isTransparent(pointer, 2, 15));
    EXPECT_EQ(pointer.pixel(2, 15), qRgb(0, 0, 0));
    // Nothing of the figure lies further left than the tip of the arm.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_TRUE(isTransparent(pointer, x, y)) << x << "," << y;
    // The arm reaches out from the body: the row of the hot spot is drawn
    // without a break from the tip to the body.
    for (int x = 2; x < 12; ++x)
        EXPECT_FALSE(isTransparent(pointer, x, 15)) << "arm broken at x " << x;
}

} // namespace
