// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The build tool's palette reduction: at most 256 opaque colours, flat areas
// kept exactly, nothing lost when a picture already fits.
#include "palette_quantiser.h"

#include <QColor>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QRgb> colours(const QImage &image)
{
    QSet<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            set.insert(image.pixel(x, y));
    return set;
}

TEST(PaletteQuantiser, PictureThatFitsKeepsEveryPixel)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgb((x % 20) * 12, (y % 10) * 25, 90)); // 200 colours
    ASSERT_LE(colours(picture).size(), 256);
    const QImage out = poron::quantiseTo256(picture);
    EXPECT_EQ(out.format(), QImage::Format_Indexed8);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(out.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
}

TEST(PaletteQuantiser, ManyColoursFitIn256AndFlatAreasStayExact)
{
    // Three flat areas (like a drawing's background, skin and hair) and a
    // strip of smooth gradient with thousands of colours.
    QImage picture(256, 128, QImage::Format_RGB32);
    const QRgb sky = qRgb(207, 233, 251), skin = qRgb(255, 227, 207), hair = qRgb(201, 127, 69);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) {
            QRgb c = x < 80 ? sky : x < 140 ? skin : x < 200 ? hair : qRgb(x, (y * 2) % 256, (x + y) % 256);
            picture.setPixel(x, y, c);
        }
    ASSERT_GT(colours(picture).size(), 1000);

    const QImage out = poron::quantiseTo256(picture);
    ASSERT_EQ(out.format(), QImage::Format_Indexed8);
    EXPECT_LE(out.colorCount(), 256);
    EXPECT_FALSE(out.hasAlphaChannel());
    for (QRgb c : out.colorTable())
        EXPECT_EQ(qAlpha(c), 255);
    EXPECT_EQ(out.pixel(10, 10), sky);
    EXPECT_EQ(out.pixel(100, 50), skin);
    EXPECT_EQ(out.pixel(170, 120), hair);

    // The gradient comes out close to what it was.
    double error = 0;
    int n = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 200; x < 256; ++x, ++n) {
            const QRgb a = picture.pixel(x, y), b = out.pixel(x, y);
            error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(error / n, 24.0) << "mean error per pixel over the three channels";
}

} // namespace
