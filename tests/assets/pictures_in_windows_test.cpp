// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures as the windows show them, on a screen of scale 2 (ctest runs this with
// QT_SCALE_FACTOR=2 on the offscreen platform): the board shows the title picture drawn at
// 2x, with detail finer than a doubled picture, while the sprites (and the icon) stay pixel
// art enlarged pixel for pixel; and black text reads wherever the continue dialog's labels
// can stand.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTest>

#include "asset_catalogue.h"
#include "board_picture.h"
#include "board_widget.h"
#include "continue_dialog.h"
#include "main_window.h"
#include "picture_measures.h"
#include "picture_palette.h"
#include "stage_clear_window.h"

namespace poron::test {
namespace {

// Whether the 2 x 2 block of device pixels at (x, y) is one flat colour.
bool flatBlock(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return image.pixel(x + 1, y) == c && image.pixel(x, y + 1) == c && image.pixel(x + 1, y + 1) == c;
}

class AtScaleTwo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2, as ctest does";
    }
    // The board as the screen shows it, in device pixels.
    static QImage shownBoard(MainWindow& window) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QPixmap grabbed = window.board()->grab();
        EXPECT_EQ(grabbed.devicePixelRatio(), 2.0);
        return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    }
    MersenneRandom random_{20261209};
};

TEST_F(AtScaleTwo, TheTitlePictureShowsDetailFinerThanADoubledPicture) {
    MainWindow window(random_);
    window.game().Form_Load();
    const QImage board = shownBoard(window);
    ASSERT_EQ(board.size(), QSize(640, 640));
    // Logical sizes do not change: the board is still 320 x 320 and takes clicks there.
    EXPECT_EQ(window.board()->size(), QSize(320, 320));

    // An empty board shows exactly the picture drawn for scale 2...
    const QImage drawn = QImage(QStringLiteral(":/pictures/imageCG0@2x.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(board == drawn) << "the board does not show imageCG0@2x.png pixel for pixel";
    // ...and a doubled 1x picture would make every 2 x 2 block flat; a drawing at 2x has
    // edges, strands and soft shading running through many of them.
    int notFlat = 0;
    for (int y = 0; y < 640; y += 2)
        for (int x = 0; x < 640; x += 2) notFlat += !flatBlock(board, x, y);
    EXPECT_GT(notFlat, 160 * 160 / 20) << "fewer than 5 % of the 2 x 2 blocks show detail";
}

TEST_F(AtScaleTwo, SpritesAreEnlargedPixelForPixel) {
    // Every sprite the board shows: pads, a target, a sunk pad, the frog and a curtain.
    const Picture stage{"o.t.x.....", "..F.......", ".C........", "..........", "..........",
                        "..........", "..........", "..........", "..........", ".........o"};
    MainWindow window(random_, stageFrom(stage));
    window.turnTimer().stop();
    const QImage board = shownBoard(window);
    const GameState& state = window.game().state();
    int checked = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const QPixmap* upper = spriteFor(state.upperAt(cell));
        const QPixmap* lower = spriteFor(state.lowerAt(cell));
        if (!upper && !lower) continue;
        const QImage top = upper ? upper->toImage().convertToFormat(QImage::Format_ARGB32) : QImage();
        const QImage bottom = lower ? lower->toImage().convertToFormat(QImage::Format_ARGB32) : QImage();
        const PixelPoint origin = cellOrigin(cell);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const bool drawn = (!top.isNull() && qAlpha(top.pixel(x, y)) == 255) ||
                                   (!bottom.isNull() && qAlpha(bottom.pixel(x, y)) == 255);
                if (!drawn) continue;
                ASSERT_TRUE(flatBlock(board, 2 * (origin.x + x), 2 * (origin.y + y)))
                    << "sprite pixel " << x << "," << y << " of cell " << cell << " is smoothed";
                ++checked;
            }
    }
    EXPECT_GT(checked, 6 * 400);
}

TEST_F(AtScaleTwo, TheStageClearWindowShowsItsPictureDrawnAtTwice) {
    StageClearWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPixmap grabbed = window.grab();
    EXPECT_EQ(window.size(), QSize(209, 112));
    ASSERT_EQ(grabbed.size(), QSize(418, 224));
    // The picture's bottom row lies outside the window, at every scale.
    const QImage drawn = QImage(QStringLiteral(":/pictures/stage_clear@2x.png")).copy(0, 0, 418, 224);
    EXPECT_TRUE(grabbed.toImage().convertToFormat(QImage::Format_RGB32) == drawn.convertToFormat(QImage::Format_RGB32));
}

TEST_F(AtScaleTwo, TheIconIsTheFrogEnlargedPixelForPixel) {
    const QIcon& icon = PicturePalette::instance().frogIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));
    const QImage frog(QStringLiteral(":/sprites/frog_icon.xpm"));
    const QImage doubled = frog.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_TRUE(icon.pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(QImage::Format_ARGB32) ==
                doubled.convertToFormat(QImage::Format_ARGB32));
}

TEST(IllustrationScale, EachScreenGetsTheNextWholeScaleUpToThree) {
    const struct {
        qreal ratio;
        int scale;
    } cases[] = {{1.0, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2}, {2.5, 3}, {3.0, 3}, {4.0, 3}};
    for (const auto& c : cases) EXPECT_EQ(illustrationScale(c.ratio), c.scale) << c.ratio;
    // The picture for a whole scale keeps its logical size, and is loaded once.
    const PicturePalette& palette = PicturePalette::instance();
    for (const QPixmap* picture : {&palette.continuePicture(3), &palette.versionPicture(3), &palette.reward(7, 3)}) {
        EXPECT_EQ(picture->devicePixelRatio(), 3.0);
        EXPECT_EQ(picture->size() / 3, picture->deviceIndependentSize().toSize());
    }
    EXPECT_EQ(palette.continuePicture(3).deviceIndependentSize().toSize(), QSize(193, 113));
    EXPECT_EQ(palette.versionPicture(3).deviceIndependentSize().toSize(), QSize(200, 120));
    EXPECT_EQ(&palette.reward(7, 3), &palette.reward(7, 3.0));
}

TEST(IllustrationScale, BetweenWholeScalesEachPictureIsMadeAtTheScreensOwnSize) {
    const PicturePalette& palette = PicturePalette::instance();
    const struct {
        const QPixmap* picture;
        qreal ratio;
        QSize size;  // round(logical size x ratio)
    } cases[] = {
        {&palette.continuePicture(1.25), 1.25, {241, 141}}, {&palette.versionPicture(2.5), 2.5, {500, 300}},
        {&palette.reward(7, 2.2), 2.2, {704, 704}},         {&palette.stageClearPicture(1.75), 1.75, {366, 198}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.picture->size(), c.size) << c.ratio;
        EXPECT_EQ(c.picture->devicePixelRatio(), c.ratio);
    }
    // Made once per picture and ratio, and apart from the whole scales' pictures.
    EXPECT_EQ(&palette.reward(7, 2.2), cases[2].picture);
    EXPECT_NE(&palette.reward(7, 2.2), &palette.reward(7, 3));
    EXPECT_NE(&palette.reward(7, 2.2), &palette.reward(6, 2.2));
}

// The boxes where the continue dialog's black labels stand, in logical pixels, measured on
// the dialog itself: its labels lay their texts out in the game's Japanese Gothic faces (the
// IPA Gothic faces on Debian), so the boxes are the ones a player sees. The headline's box
// spans every message it shows, each centred, the widest one included.
struct LabelBoxes {
    QRect headline, question, count;
};

LabelBoxes continueLabelBoxes() {
    ContinueDialog dialog;
    LabelBoxes boxes{dialog.headline()->geometry(), dialog.question()->geometry(), dialog.count()->geometry()};
    for (int step = 0; step < 9; ++step) {  // the count runs down to 0, through every message
        dialog.Timer1_Timer();
        boxes.headline |= dialog.headline()->geometry();
        boxes.count |= dialog.count()->geometry();
    }
    EXPECT_EQ(dialog.countdown(), 0);
    return boxes;
}

TEST(ContinueReadability, BlackLabelsStandOnLightPictureAtEveryScale) {
    const LabelBoxes boxes = continueLabelBoxes();
    // The layout as the dialog places it: messages from y 8, two lines of 21 px at most,
    // "Continue？" at (56, 64), the count at (168, 56).
    EXPECT_EQ(boxes.headline.top(), 8);
    EXPECT_GE(boxes.headline.height(), 2 * 21);
    EXPECT_EQ(boxes.question.topLeft(), QPoint(56, 64));
    EXPECT_EQ(boxes.count.topLeft(), QPoint(168, 56));

    const struct {
        const char* name;
        QRect box;
    } labels[] = {{"headline and messages", boxes.headline}, {"Continue？", boxes.question}, {"count", boxes.count}};
    for (int scale = 1; scale <= assets::kIllustrationScales; ++scale) {
        const QImage picture(assets::atScale(QStringLiteral(":/pictures/continue.png"), scale));
        ASSERT_FALSE(picture.isNull());
        for (const auto& label : labels) {
            const QRect box(label.box.topLeft() * scale, label.box.size() * scale);
            // Luminance 0.30 gives black text a contrast of 7:1.
            EXPECT_GE(assets::shareAtLeastAsLight(picture, box, 0.30), 0.95)
                << label.name << " at " << scale << "x over x " << label.box.left() << ".." << label.box.right()
                << ", y " << label.box.top() << ".." << label.box.bottom();
        }
    }
}

}  // namespace
}  // namespace poron::test
