// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The build tool's palette reduction: at most 256 opaque colours, flat areas
// kept exactly with or without dithering, nothing lost when a picture already
// fits, and dithered gradients that keep their shade instead of banding.
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

class EveryDither : public ::testing::TestWithParam<poron::Dither> {};
INSTANTIATE_TEST_SUITE_P(PaletteQuantiser, EveryDither, ::testing::Values(poron::Dither::none, poron::Dither::light));

TEST_P(EveryDither, ManyColoursFitIn256AndFlatAreasStayExact)
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

    const QImage out = poron::quantiseTo256(picture, GetParam());
    ASSERT_EQ(out.format(), QImage::Format_Indexed8);
    EXPECT_LE(out.colorCount(), 256);
    EXPECT_FALSE(out.hasAlphaChannel());
    for (QRgb c : out.colorTable())
        EXPECT_EQ(qAlpha(c), 255);
    // Every pixel of a flat area, right up to its edges.
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(out.pixel(x, y), picture.pixel(x, y)) << x << "," << y;

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

TEST(PaletteQuantiser, LightDitheringKeepsTheShadeOfASoftGradient)
{
    // A sky: a slow vertical gradient between two blues next to a two-dimensional glow, far
    // more shades than 256 entries can hold. Undithered, each palette entry stands for a band
    // of rows; dithered, the average over a small block stays nearer the drawn shade.
    QImage picture(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, x < 128 ? qRgb(150 + y * 90 / 255, 190 + y * 50 / 255, 250)
                                           : qRgb(255 - (x - 128) / 3, 255 - y / 3, 200 + (x + y) / 8));
    const auto blockError = [&](const QImage &out) {
        double error = 0;
        for (int by = 0; by < 256; by += 4)
            for (int bx = 0; bx < 256; bx += 4)
                for (int a = 0; a < 3; ++a) {
                    double want = 0, got = 0;
                    for (int y = by; y < by + 4; ++y)
                        for (int x = bx; x < bx + 4; ++x) {
                            const QRgb p = picture.pixel(x, y), q = out.pixel(x, y);
                            want += a == 0 ? qRed(p) : a == 1 ? qGreen(p) : qBlue(p);
                            got += a == 0 ? qRed(q) : a == 1 ? qGreen(q) : qBlue(q);
                        }
                    error += std::abs(want - got) / 16;
                }
        return error;
    };
    const QImage flat = poron::quantiseTo256(picture, poron::Dither::none);
    const QImage dithered = poron::quantiseTo256(picture, poron::Dither::light);
    EXPECT_LE(dithered.colorCount(), 256);
    EXPECT_LT(blockError(dithered), 0.8 * blockError(flat));
}

} // namespace
