// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures on a screen between whole scales (ctest runs this at QT_SCALE_FACTOR 1.25, 1.5
// and 1.75 on the offscreen platform, the settings most laptops run under): the title picture
// comes close to its drawing rendered at that very size, not the coarse look of a larger
// picture reduced by dropping pixels; the sprites are scaled evenly, every sprite pixel as wide
// as its neighbours, and the curtain's gap still shows inverted exactly where the curtain is
// open.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>
#include <cmath>
#include <cstdio>

#include "asset_catalogue.h"
#include "board_picture.h"
#include "board_widget.h"
#include "main_window.h"
#include "picture_palette.h"
#include "stage_clear_window.h"

namespace poron::test {
namespace {

// Peak signal-to-noise ratio of two pictures of one size over their red, green and blue, in
// dB: higher is closer (identical pictures give infinity).
double psnr(const QImage& a, const QImage& b) {
    double squares = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) squares += d * d;
        }
    const double mean = squares / (3.0 * a.width() * a.height());
    return 10 * std::log10(255.0 * 255.0 / mean);
}

QImage opaque(const QImage& image) {
    // As the game's pictures are made: whatever the drawing leaves see-through is white.
    QImage result(image.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter(&result).drawImage(0, 0, image);
    return result;
}

QImage pixelsOf(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1);
    return image;
}

// The title picture rendered by rsvg-convert straight from its drawing at the screen's scale,
// at build time.
QImage titleDrawnAt(qreal ratio) {
    const QString path = QStringLiteral(PORON_REFERENCE_DIR "/imageCG0-%1.png").arg(ratio);
    QImage image(path);
    image.setDevicePixelRatio(1);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
    return opaque(image);
}

class BetweenWholeScales : public ::testing::Test {
protected:
    void SetUp() override {
        ratio_ = qApp->devicePixelRatio();
        ASSERT_FALSE(isWholeScale(ratio_)) << "run with QT_SCALE_FACTOR=1.25, 1.5 or 1.75, as ctest does";
    }
    // The board as the screen shows it, in device pixels.
    QImage shownBoard(MainWindow& window) const {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QPixmap grabbed = window.board()->grab();
        EXPECT_EQ(grabbed.devicePixelRatio(), ratio_);
        return pixelsOf(grabbed).convertToFormat(QImage::Format_RGB32);
    }
    // A rectangle of logical pixels in device pixels (whole at 1.25, 1.5 and 1.75 for the
    // board's 32-pixel cells).
    QRect inDevicePixels(const QRect& logical) const {
        const int left = qRound(logical.left() * ratio_);
        const int top = qRound(logical.top() * ratio_);
        return QRect(left, top, qRound((logical.left() + logical.width()) * ratio_) - left,
                     qRound((logical.top() + logical.height()) * ratio_) - top);
    }
    qreal ratio_ = 1;
    MersenneRandom random_{20261211};
};

TEST_F(BetweenWholeScales, TheTitlePictureComesCloseToItsDrawingAtThatSize) {
    MainWindow window(random_);
    window.game().Form_Load();
    const QImage board = shownBoard(window);
    const QImage drawn = titleDrawnAt(ratio_);
    ASSERT_EQ(board.size(), drawn.size());
    EXPECT_EQ(window.board()->size(), QSize(320, 320));

    // The board shows the picture made for this screen device pixel for device pixel...
    const QPixmap& made = PicturePalette::instance().reward(0, ratio_);
    EXPECT_EQ(made.devicePixelRatio(), ratio_);
    EXPECT_TRUE(board == pixelsOf(made).convertToFormat(QImage::Format_RGB32));
    // ...which comes within 40 dB of the drawing rendered at this size. Keeping one pixel of
    // the larger pictures here and there instead (nearest neighbour) stair-steps the outlines
    // and scores about 30 dB.
    const double shown = psnr(board, drawn);
    std::printf("title picture at %gx: %.1f dB against its drawing rendered at that size\n", ratio_, shown);
    EXPECT_GE(shown, 40.0) << "at scale " << ratio_;
    for (int scale : {2, 3}) {
        const QImage carried = pixelsOf(QPixmap(assets::atScale(QStringLiteral(":/pictures/imageCG0.png"), scale)));
        const QImage nearest = carried.scaled(board.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_GT(shown, psnr(nearest.convertToFormat(QImage::Format_RGB32), drawn) + 3.0)
            << "the board looks no better than the " << scale << "x picture with pixels dropped";
    }
}

TEST_F(BetweenWholeScales, TheStageClearWindowShowsItsPictureMadeForTheScreen) {
    StageClearWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage grabbed = pixelsOf(window.grab()).convertToFormat(QImage::Format_RGB32);
    const QImage made = pixelsOf(PicturePalette::instance().stageClearPicture(ratio_));
    EXPECT_EQ(made.size(), QSize(qRound(209 * ratio_), qRound(113 * ratio_)));
    EXPECT_TRUE(grabbed == made.copy(grabbed.rect()).convertToFormat(QImage::Format_RGB32));
}

// Each cell with a sprite shows the background and the evenly scaled sprites over it,
// device pixel for device pixel; through the curtain's gap, whatever lies beneath shows
// inverted: in exactly the device columns the scaled curtain leaves open.
TEST_F(BetweenWholeScales, CellsShowTheirSpritesEvenlyScaledAndTheCurtainGapInverted) {
    const Picture stage{"o.t.x.....", "..F.......", ".C........", "..........", "..........",
                        "..........", "..........", "..........", "..........", ".........o"};
    MainWindow window(random_, stageFrom(stage));
    window.turnTimer().stop();
    window.board()->setBackground(3);
    const QImage board = shownBoard(window);
    const QImage background = pixelsOf(PicturePalette::instance().reward(3, ratio_));
    const GameState& state = window.game().state();
    const PicturePalette& palette = PicturePalette::instance();
    int curtainsChecked = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const QPixmap* lower = spriteFor(state.lowerAt(cell));
        const QPixmap* upper = spriteFor(state.upperAt(cell));
        if (!lower && !upper) continue;
        const PixelPoint origin = cellOrigin(cell);
        const QRect device = inDevicePixels(QRect(origin.x, origin.y, kCellPixels, kCellPixels));
        const QImage shown = board.copy(device);

        QImage expected = background.copy(device).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&expected);
        for (const QPixmap* sprite : {lower, upper}) {
            if (!sprite) continue;
            const QPixmap& drawn = palette.drawnSprite(*sprite, ratio_);
            ASSERT_EQ(drawn.size(), device.size()) << "cell " << cell;
            painter.drawImage(0, 0, pixelsOf(drawn));
        }
        painter.end();
        if (state.upperAt(cell) != Upper::curtain) {
            EXPECT_TRUE(shown == expected.convertToFormat(QImage::Format_RGB32)) << "cell " << cell;
            continue;
        }
        // The curtain: in the device columns and rows of its gap what lies beneath shows
        // inverted, everywhere else the cell shows as drawn. The gap's four columns become
        // four times the ratio of device columns, at the gap's place in the scaled curtain.
        QRegion gap;
        for (const QRect& rect : palette.curtainGap()) gap += inDevicePixels(rect);
        EXPECT_EQ(gap.boundingRect().width(), qRound(4 * ratio_)) << "cell " << cell;
        EXPECT_EQ(gap.boundingRect().height(), device.height()) << "cell " << cell;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x) {
                const QRgb plain = expected.pixel(x, y) & 0xffffff;
                const QRgb inverted = ~plain & 0xffffff;
                ASSERT_EQ(shown.pixel(x, y) & 0xffffff, gap.contains(QPoint(x, y)) ? inverted : plain)
                    << "cell " << cell << " at device pixel " << x << "," << y
                    << (gap.contains(QPoint(x, y)) ? " in the gap" : " outside the gap");
            }
        // Where the scaled curtain is wholly open between its two halves, the gap covers it.
        const QImage curtain = pixelsOf(palette.drawnSprite(*upper, ratio_));
        for (int x = curtain.width() / 3; x < 2 * curtain.width() / 3; ++x)
            if (qAlpha(curtain.pixel(x, device.height() / 2)) == 0) {
                EXPECT_TRUE(gap.contains(QPoint(x, device.height() / 2))) << "open column " << x;
            }
        ++curtainsChecked;
    }
    EXPECT_EQ(curtainsChecked, 1);
}

// A sprite scaled between whole numbers: every sprite column (and row) carries the same weight
// of device pixels, the ratio, over no more device pixels than it must touch. Dropping and
// doubling pixels instead gives some columns one device pixel and others two; smoothing the
// sprite straight to its size smears each column over its neighbours.
TEST(EvenlyScaledSprite, EverySpritePixelCoversTheSameWidth) {
    for (const qreal ratio : {1.25, 1.5, 1.75, 2.5}) {
        for (int line = 0; line < 32; ++line) {
            // One opaque white column (and row) in a see-through sprite.
            QImage column(32, 32, QImage::Format_ARGB32);
            column.fill(Qt::transparent);
            for (int k = 0; k < 32; ++k) column.setPixel(line, k, qRgb(255, 255, 255));
            const QImage row = column.transformed(QTransform().rotate(90));
            for (const bool across : {true, false}) {
                const QImage& sprite = across ? column : row;
                const QImage scaled = pixelsOf(evenlyScaledSprite(QPixmap::fromImage(sprite), ratio));
                ASSERT_EQ(scaled.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
                // The weight along the middle of the other direction, in whole device pixels.
                const int middle = scaled.width() / 2;
                double weight = 0;
                int touched = 0;
                for (int k = 0; k < scaled.width(); ++k) {
                    const int alpha = qAlpha(across ? scaled.pixel(k, middle) : scaled.pixel(middle, k));
                    weight += alpha / 255.0;
                    touched += alpha > 0;
                }
                EXPECT_NEAR(weight, ratio, 0.03) << (across ? "column " : "row ") << line << " at " << ratio;
                EXPECT_LE(touched, qFloor(ratio) + 2) << (across ? "column " : "row ") << line << " at " << ratio;
            }
        }
    }
}

TEST(EvenlyScaledSprite, TheStripedPadKeepsEvenStripes) {
    // Every odd row of the striped pad is blank: scaled, every drawn row must cover the same
    // height of device rows, the ratio, or the stripes come out thick and thin by turns.
    const QPixmap striped(QStringLiteral(":/sprites/pad_striped.xpm"));
    const QImage pixels = pixelsOf(striped);
    // Down the middle column: its left edge falls on a whole device pixel at these ratios.
    constexpr int kColumn = 16;
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        const QImage scaled = pixelsOf(evenlyScaledSprite(striped, ratio));
        const int x = qRound(kColumn * ratio);
        int rows = 0;
        for (int row = 0; row < 32; row += 2) {
            if (qAlpha(pixels.pixel(kColumn, row)) != 255) continue;
            // The device rows this row touches; the blank rows either side add nothing.
            double weight = 0;
            for (int y = qFloor(row * ratio); y < qCeil((row + 1) * ratio); ++y)
                weight += qAlpha(scaled.pixel(x, y)) / 255.0;
            EXPECT_NEAR(weight, ratio, 0.03) << "row " << row << " at " << ratio;
            ++rows;
        }
        EXPECT_GE(rows, 8) << "the pad's middle column is drawn in fewer than 8 rows";
    }
}

}  // namespace
}  // namespace poron::test
