// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture of the catalogue is carried in the program, loads at its
// exact size and keeps to its colour and transparency budget; every
// illustration also at 2x and 3x, for screens of higher pixel density.
#include "picture_helpers.h"

#include "asset_catalogue.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

namespace {

using poron::test::countTransparent;
using poron::test::isTransparent;
using poron::test::loadArgb;
using poron::test::opaqueColours;

enum class Kind {
    Illustration, // 8-bit palette PNG, no transparency at all
    Sprite,       // at most 16 colours, transparent around the figure
    OpaqueSprite, // at most 16 colours, not one transparent pixel
    Mask,         // black where the curtain inverts, transparent elsewhere
    Pointer,      // black and white, transparent around the figure
};

struct Expected {
    const char *path;
    int width;
    int height;
    Kind kind;
};

const Expected kCatalogue[] = {
    {":/pictures/imageCG0.png", 320, 320, Kind::Illustration},
    {":/pictures/imageCG1.png", 320, 320, Kind::Illustration},
    {":/pictures/imageCG2.png", 320, 320, Kind::Illustration},
    {":/pictures/imageCG3.png", 320, 320, Kind::Illustration},
    {":/pictures/imageCG4.png", 320, 320, Kind::Illustration},
    {":/pictures/imageCG5.png", 320, 320, Kind::Illustration},
    {":/pictures/imageCG6.png", 320, 320, Kind::Illustration},
    {":/pictures/imageCG7.png", 320, 320, Kind::Illustration},
    {":/pictures/continue.png", 193, 113, Kind::Illustration},
    {":/pictures/stage_clear.png", 209, 113, Kind::Illustration},
    {":/pictures/version_logo.png", 200, 120, Kind::Illustration},
    {":/sprites/pad.xpm", 32, 32, Kind::Sprite},
    {":/sprites/pad_on_blue.xpm", 32, 32, Kind::OpaqueSprite},
    {":/sprites/pad_striped.xpm", 32, 32, Kind::Sprite},
    {":/sprites/frog.xpm", 32, 32, Kind::Sprite},
    {":/sprites/frog_heart.xpm", 32, 32, Kind::Sprite},
    {":/sprites/curtain.xpm", 32, 32, Kind::Sprite},
    {":/sprites/curtain_gap.xpm", 32, 32, Kind::Mask},
    {":/sprites/frog_icon.xpm", 32, 32, Kind::Sprite},
    {":/sprites/pointer.xpm", 32, 32, Kind::Pointer},
};

// The scales a picture is carried at: 1 for a sprite, 1 to 3 for an illustration.
int scalesOf(const Expected &e)
{
    return e.kind == Kind::Illustration ? poron::assets::kIllustrationScales : 1;
}

TEST(Resources, EveryPictureLoadsAtItsExactSizeAtEveryScale)
{
    EXPECT_EQ(poron::assets::kIllustrationScales, 3);
    for (const Expected &e : kCatalogue)
        for (int scale = 1; scale <= scalesOf(e); ++scale) {
            const QString path = poron::assets::atScale(QString::fromLatin1(e.path), scale);
            SCOPED_TRACE(path.toStdString());
            ASSERT_TRUE(QFile::exists(path));
            const QImage image(path);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.width(), e.width * scale);
            EXPECT_EQ(image.height(), e.height * scale);
        }
}

TEST(Resources, IllustrationsAreOpaqueEightBitPalettePicturesAtEveryScale)
{
    for (const Expected &e : kCatalogue) {
        if (e.kind != Kind::Illustration)
            continue;
        for (int scale = 1; scale <= scalesOf(e); ++scale) {
            const QString path = poron::assets::atScale(QString::fromLatin1(e.path), scale);
            SCOPED_TRACE(path.toStdString());
            const QImage stored(path);
            EXPECT_EQ(stored.format(), QImage::Format_Indexed8);
            EXPECT_LE(stored.colorCount(), 256);
            EXPECT_FALSE(stored.hasAlphaChannel());
            const QImage image = stored.convertToFormat(QImage::Format_ARGB32);
            EXPECT_LE(opaqueColours(image).size(), 256);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << "at " << x << "," << y;
        }
    }
}

TEST(Resources, LargerScalesAreTheSameDrawingInFinerPixels)
{
    // Shrunk back to 1x, a 2x or 3x picture must look like the 1x one: the same drawing over
    // the whole picture, not a 1x drawing in a corner or another scene.
    for (const Expected &e : kCatalogue) {
        if (e.kind != Kind::Illustration)
            continue;
        const QImage base = loadArgb(e.path);
        for (int scale = 2; scale <= scalesOf(e); ++scale) {
            const QString path = poron::assets::atScale(QString::fromLatin1(e.path), scale);
            SCOPED_TRACE(path.toStdString());
            const QImage shrunk = QImage(path).convertToFormat(QImage::Format_ARGB32).scaled(
                base.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            double difference = 0;
            for (int y = 0; y < base.height(); ++y)
                for (int x = 0; x < base.width(); ++x) {
                    const QRgb a = base.pixel(x, y), b = shrunk.pixel(x, y);
                    difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                }
            EXPECT_LT(difference / (3.0 * base.width() * base.height()), 6.0) << "mean difference per channel";
        }
    }
}

TEST(Resources, SpritesKeepToTheirColourBudgets)
{
    for (const Expected &e : kCatalogue) {
        if (e.kind == Kind::Illustration)
            continue;
        SCOPED_TRACE(e.path);
        const QImage image = loadArgb(e.path);
        const QSet<QRgb> colours = opaqueColours(image);
        EXPECT_LE(colours.size(), 16);
        EXPECT_GE(colours.size(), 1);
        if (e.kind == Kind::Pointer || e.kind == Kind::Mask) {
            for (QRgb c : colours)
                EXPECT_TRUE(c == qRgb(0, 0, 0) || (e.kind == Kind::Pointer && c == qRgb(255, 255, 255)))
                    << std::hex << c;
        }
        // A pixel is either drawn or left out: no half-transparent pixels.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int a = qAlpha(image.pixel(x, y));
                ASSERT_TRUE(a == 0 || a == 255) << "at " << x << "," << y;
            }
    }
}

// Flood-fills the transparent pixels that can be reached from the border and
// returns how many transparent pixels are left over inside the figure.
int enclosedTransparentPixels(const QImage &image)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(size_t(w * h), 0);
    std::vector<QPoint> todo;
    for (int x = 0; x < w; ++x) {
        todo.push_back({x, 0});
        todo.push_back({x, h - 1});
    }
    for (int y = 0; y < h; ++y) {
        todo.push_back({0, y});
        todo.push_back({w - 1, y});
    }
    int reached = 0;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
            continue;
        char &s = seen[size_t(p.y() * w + p.x())];
        if (s || !isTransparent(image, p.x(), p.y()))
            continue;
        s = 1;
        ++reached;
        todo.insert(todo.end(), {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
    return countTransparent(image) - reached;
}

TEST(Resources, TransparencyOnlyAroundTheFigures)
{
    for (const Expected &e : kCatalogue) {
        if (e.kind == Kind::Illustration)
            continue;
        SCOPED_TRACE(e.path);
        const QImage image = loadArgb(e.path);
        if (e.kind == Kind::OpaqueSprite) {
            EXPECT_EQ(countTransparent(image), 0);
            continue;
        }
        EXPECT_GT(countTransparent(image), 0);
        EXPECT_EQ(enclosedTransparentPixels(image), 0) << "a see-through hole inside the figure";
    }
}

TEST(Resources, FiguresLeaveTheCornersClear)
{
    // The round figures (pads, frogs, icon, pointer) are surrounded by
    // transparency; the curtain fills its square instead.
    const char *const figures[] = {":/sprites/pad.xpm", ":/sprites/pad_striped.xpm", ":/sprites/frog.xpm",
                                   ":/sprites/frog_heart.xpm", ":/sprites/frog_icon.xpm", ":/sprites/pointer.xpm"};
    for (const char *path : figures) {
        SCOPED_TRACE(path);
        const QImage image = loadArgb(path);
        for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            EXPECT_TRUE(isTransparent(image, corner.x(), corner.y())) << corner.x() << "," << corner.y();
    }
}

} // namespace
