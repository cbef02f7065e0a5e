// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Luminance, CIELAB differences and the per-cell playability measure.
#include "picture_measures.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>

namespace poron::assets {
namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::array<double, 3> lab(QRgb colour)
{
    const double r = linear(qRed(colour)), g = linear(qGreen(colour)), b = linear(qBlue(colour));
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// The opaque colours of a picture, most frequent first.
QList<QRgb> coloursByFrequency(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                ++counts[image.pixel(x, y)];
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end(), [&](QRgb a, QRgb b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : a < b;
    });
    return colours;
}

} // namespace

double relativeLuminance(QRgb colour)
{
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double shareAtLeastAsLight(const QImage &picture, const QRect &box, double least)
{
    const QRect inside = box & picture.rect();
    if (inside.isEmpty())
        return 0;
    int light = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            light += relativeLuminance(picture.pixel(x, y)) >= least;
    // Pixels of the box outside the picture count as dark: the box must lie on the picture.
    return double(light) / (double(box.width()) * box.height());
}

double deltaE76(QRgb a, QRgb b)
{
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

BoardColours boardColours(const QImage &pad, const QImage &padOnBlue)
{
    BoardColours colours;
    const QList<QRgb> padColours = coloursByFrequency(pad);
    colours.padGreens = padColours.mid(0, 2);
    for (QRgb c : coloursByFrequency(padOnBlue))
        if (!padColours.contains(c)) {
            colours.targetBlue = c;
            break;
        }
    return colours;
}

CellShare worstCell(const QImage &picture, const QList<QRgb> &colours)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    // A picture has at most a few hundred colours: decide each colour once.
    QHash<QRgb, bool> close;
    const auto isClose = [&](QRgb c) {
        const auto it = close.constFind(c);
        if (it != close.cend())
            return it.value();
        const bool near = std::any_of(colours.begin(), colours.end(), [&](QRgb k) { return deltaE76(c, k) < kCloseDeltaE; });
        close.insert(c, near);
        return near;
    };
    CellShare worst;
    for (int cell = 0; cell < 100; ++cell) {
        const int x0 = (cell % 10) * image.width() / 10, x1 = (cell % 10 + 1) * image.width() / 10;
        const int y0 = (cell / 10) * image.height() / 10, y1 = (cell / 10 + 1) * image.height() / 10;
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += isClose(image.pixel(x, y));
        const double share = double(n) / ((x1 - x0) * (y1 - y0));
        if (share > worst.share)
            worst = {cell, share};
    }
    return worst;
}

} // namespace poron::assets
