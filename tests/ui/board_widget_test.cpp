// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board widget on its own: which cell takes a press, and how the cells are painted.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "board_picture.h"
#include "board_widget.h"
#include "picture_palette.h"

namespace poron::test {
namespace {

class BoardWidgetTest : public ::testing::Test {
protected:
    void showBoard() {
        board_.setBackground(0);
        board_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&board_));
    }
    GameState state_;
    BoardWidget board_{state_};
};

TEST_F(BoardWidgetTest, TheCellThatTookThePressTakesTheRelease) {
    showBoard();
    struct Case {
        QPoint press;
        QPoint release;
        Qt::MouseButton button;
        int cell;
    };
    const Case cases[] = {
        {{1, 0}, {1, 0}, Qt::LeftButton, 0},  // (QTest reads the point (0, 0) as "the centre")
        {{0, 1}, {0, 1}, Qt::LeftButton, 0},
        {{31, 31}, {31, 31}, Qt::LeftButton, 0},
        {{32, 0}, {32, 0}, Qt::LeftButton, 1},     // a shared line goes to the higher index
        {{32, 32}, {32, 32}, Qt::LeftButton, 11},
        {{0, 32}, {0, 32}, Qt::LeftButton, 10},
        {{319, 319}, {319, 319}, Qt::LeftButton, 99},
        {{170, 10}, {200, 10}, Qt::LeftButton, 5},  // pressed on 5, released over 6
        {{170, 10}, {400, 500}, Qt::LeftButton, 5}, // released far outside the board
        {{100, 200}, {100, 200}, Qt::RightButton, 63},
        {{100, 200}, {100, 200}, Qt::MiddleButton, 63},
    };
    QWindow* window = board_.windowHandle();
    for (const Case& c : cases) {
        QSignalSpy released(&board_, &BoardWidget::cellReleased);
        QTest::mousePress(window, c.button, Qt::NoModifier, c.press);
        QTest::mouseRelease(window, c.button, Qt::NoModifier, c.release);
        ASSERT_EQ(released.count(), 1) << c.press.x() << "," << c.press.y();
        EXPECT_EQ(released.at(0).at(0).toInt(), c.cell) << c.press.x() << "," << c.press.y();
    }
}

// Paints the board into an image of `scale` device pixels per board pixel.
QImage paintBoard(BoardWidget& board, qreal scale) {
    QImage image(QSize(320, 320) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    board.render(&image);
    return image;
}

QImage composite(int cell, std::initializer_list<const QPixmap*> layers) {
    const PixelPoint origin = cellOrigin(cell);
    QImage square(32, 32, QImage::Format_RGB32);
    QPainter painter(&square);
    painter.drawPixmap(0, 0, PicturePalette::instance().reward(0), origin.x, origin.y, 32, 32);
    for (const QPixmap* layer : layers) painter.drawPixmap(0, 0, *layer);
    return square;
}

TEST_F(BoardWidgetTest, PaintsTheBackgroundThenTheLowerThenTheUpperLayer) {
    state_ = stageFrom({
        "o.........",
        ".t........",
        "..x.......",
        "...F......",
        "..........",
        ".....C....",
        "..........",
        "..........",
        "..........",
        "..........",
    });
    board_.setBackground(0);
    const QImage shown = paintBoard(board_, 1);
    const PicturePalette& palette = PicturePalette::instance();
    auto at = [&](int cell) { return shown.copy(cellOrigin(cell).x, cellOrigin(cell).y, 32, 32); };
    EXPECT_EQ(at(0), composite(0, {&palette.sprite(poron::Picture::pad)}));
    EXPECT_EQ(at(11), composite(11, {&palette.sprite(poron::Picture::target)}));
    EXPECT_EQ(at(22), composite(22, {&palette.sprite(poron::Picture::sunk)}));
    EXPECT_EQ(at(33), composite(33, {&palette.sprite(poron::Picture::pad), &palette.sprite(poron::Picture::frog)}));
    EXPECT_EQ(at(99), composite(99, {})) << "a blank cell shows the background";
    // The target pad hides the background in its whole square.
    EXPECT_EQ(at(11), palette.sprite(poron::Picture::target).toImage().convertToFormat(QImage::Format_RGB32));

    // The frog's other pose, over its pad.
    state_.upper[33] = Upper::frogHeart;
    const QImage heart = paintBoard(board_, 1);
    EXPECT_EQ(heart.copy(cellOrigin(33).x, cellOrigin(33).y, 32, 32),
              composite(33, {&palette.sprite(poron::Picture::pad), &palette.sprite(poron::Picture::frogHeart)}));
}

TEST_F(BoardWidgetTest, TheCurtainsGapShowsWhatLiesBeneathInverted) {
    state_ = stageFrom({
        "..........",
        "..........",
        "..........",
        "..........",
        "....F.....",
        ".....C....",
        "..........",
        "..........",
        "..........",
        "..........",
    });
    const PicturePalette& palette = PicturePalette::instance();
    const QImage shown = paintBoard(board_, 1);
    const QImage beneath = composite(55, {&palette.sprite(poron::Picture::target)});
    const QImage curtain = composite(55, {&palette.sprite(poron::Picture::target), &palette.sprite(poron::Picture::curtain)});
    const QRegion& gap = palette.curtainGap();
    ASSERT_FALSE(gap.isEmpty());
    const PixelPoint origin = cellOrigin(55);
    int gapPixels = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = shown.pixel(origin.x + x, origin.y + y) & 0xffffff;
            if (gap.contains(QPoint(x, y))) {
                ++gapPixels;
                EXPECT_EQ(pixel, ~beneath.pixel(x, y) & 0xffffff) << x << "," << y;
            } else {
                EXPECT_EQ(pixel, curtain.pixel(x, y) & 0xffffff) << x << "," << y;
            }
        }
    }
    EXPECT_GT(gapPixels, 0);
}

TEST_F(BoardWidgetTest, PixelArtStaysCrispAtHigherPixelRatios) {
    state_ = stageFrom({
        "..........",
        "..........",
        "..........",
        "...F......",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
    });
    const QImage plain = paintBoard(board_, 1);
    for (int scale : {2, 3}) {
        const QImage scaled = paintBoard(board_, scale);
        // Every board pixel becomes a scale x scale block of its very colour: nothing blurred.
        int mismatches = 0;
        for (int y = 96; y < 128; ++y)
            for (int x = 96; x < 128; ++x)
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        if (scaled.pixel(x * scale + dx, y * scale + dy) != plain.pixel(x, y)) ++mismatches;
        EXPECT_EQ(mismatches, 0) << "scale " << scale;
    }
}

}  // namespace
}  // namespace poron::test
