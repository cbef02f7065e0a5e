// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers the asset tests share: loading a carried picture and looking
// at its pixels.
#pragma once

#include <QImage>
#include <QSet>
#include <QString>

namespace poron::test {

// The picture at a resource path, as 32-bit ARGB so pixels compare plainly.
inline QImage loadArgb(const char *path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

inline bool isTransparent(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

// The distinct colours of the pixels that are not fully transparent.
inline QSet<QRgb> opaqueColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isTransparent(image, x, y))
                colours.insert(image.pixel(x, y));
    return colours;
}

inline int countTransparent(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += isTransparent(image, x, y);
    return n;
}

} // namespace poron::test
