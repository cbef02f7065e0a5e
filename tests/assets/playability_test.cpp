// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board stays playable over every reward picture: in each of the 100 cells the pads
// (plain and striped) and the blue target squares stand out from the picture behind them,
// at every scale the game carries. The measure is picture_measures.h's: a cell fails when
// more than 10 % of its pixels lie within CIELAB dE 20 of the pad's main greens, or of the
// target's blue. Per-cell, not an average, because the next stage's pads may land anywhere.
#include "asset_catalogue.h"
#include "picture_measures.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace poron::assets;

BoardColours coloursOfTheBoard()
{
    return boardColours(QImage(QStringLiteral(":/sprites/pad.xpm")), QImage(QStringLiteral(":/sprites/pad_on_blue.xpm")));
}

TEST(Playability, BoardColoursAreThePadFillsAndTheTargetBlue)
{
    const BoardColours board = coloursOfTheBoard();
    EXPECT_EQ(board.padGreens, (QList<QRgb>{qRgb(0x3c, 0xc8, 0x3c), qRgb(0x72, 0xe0, 0x5c)}));
    EXPECT_EQ(board.targetBlue, qRgb(0x28, 0x48, 0xd8));
}

TEST(Playability, TheMeasureFindsTheCellThatSwallowsAPad)
{
    const BoardColours board = coloursOfTheBoard();
    // A pale mint meadow: green, but far lighter than the pad.
    QImage meadow(320, 320, QImage::Format_RGB32);
    meadow.fill(qRgb(0xd4, 0xf4, 0xd8));
    EXPECT_LE(worstCell(meadow, board.padGreens).share, kMostCloseShare);
    EXPECT_LE(worstCell(meadow, {board.targetBlue}).share, kMostCloseShare);

    struct Case {
        const char *what;
        QRgb paint;
        QRect area;
        int cell;
        double share;
    };
    const Case cases[] = {
        // A patch of grass in the pad's own green covering a whole cell (row 5, column 7).
        {"pad green", qRgb(0x40, 0xc0, 0x40), QRect(224, 160, 32, 32), 57, 1.0},
        // A strip of sky as blue as the target across a fifth of cell 3.
        {"target blue", qRgb(0x30, 0x50, 0xd0), QRect(96, 0, 32, 6), 3, 0.1875},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QImage picture = meadow.copy();
        for (int y = c.area.top(); y <= c.area.bottom(); ++y)
            for (int x = c.area.left(); x <= c.area.right(); ++x)
                picture.setPixel(x, y, c.paint);
        const CellShare worst = worstCell(picture, {board.padGreens + QList<QRgb>{board.targetBlue}});
        EXPECT_EQ(worst.cell, c.cell);
        EXPECT_DOUBLE_EQ(worst.share, c.share);
        // The same at 2x: a cell is a tenth of the picture whatever its size.
        const CellShare doubled = worstCell(picture.scaled(640, 640), {board.padGreens + QList<QRgb>{board.targetBlue}});
        EXPECT_EQ(doubled.cell, c.cell);
        EXPECT_NEAR(doubled.share, c.share, 0.01);
    }
}

TEST(Playability, PadsAndTargetsStandOutInEveryCellOfEveryRewardPicture)
{
    const BoardColours board = coloursOfTheBoard();
    for (int k = 0; k < 8; ++k)
        for (int scale = 1; scale <= kIllustrationScales; ++scale) {
            const QString path = atScale(QStringLiteral(":/pictures/imageCG%1.png").arg(k), scale);
            SCOPED_TRACE(path.toStdString());
            const QImage picture(path);
            ASSERT_FALSE(picture.isNull());
            const CellShare green = worstCell(picture, board.padGreens);
            const CellShare blue = worstCell(picture, {board.targetBlue});
            EXPECT_LE(green.share, kMostCloseShare) << "pads vanish in cell " << green.cell;
            EXPECT_LE(blue.share, kMostCloseShare) << "targets vanish in cell " << blue.cell;
        }
}

} // namespace
