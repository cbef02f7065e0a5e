// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: turns one rendered illustration (a PNG from rsvg-convert) into the
// opaque 8-bit palette PNG the game carries, and refuses a picture of the wrong size.
//
//   poron_reduce_picture IN.png OUT.png WIDTH HEIGHT
//
// The palette comes from our own quantiser (palette_quantiser.h): the flat colours of the
// drawing stay exact, the rest of the palette goes to gradients and soft edges, which are
// dithered lightly so that skies and glows do not band.
#include "palette_quantiser.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s IN.png OUT.png WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    QImage rendered(QString::fromLocal8Bit(argv[1]));
    rendered.setDevicePixelRatio(1); // Qt reads "@2x" in a file name as a pixel ratio: count pixels
    if (rendered.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QSize wanted(std::atoi(argv[3]), std::atoi(argv[4]));
    if (rendered.size() != wanted) {
        std::fprintf(stderr, "%s: %s is %dx%d, not %dx%d: keep the width and height of the <svg> element\n",
                     argv[0], argv[1], rendered.width(), rendered.height(), wanted.width(), wanted.height());
        return 1;
    }
    // Whatever the drawing leaves see-through is white: the game's pictures are opaque.
    QImage opaque(rendered.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, rendered);

    const QImage indexed = poron::quantiseTo256(opaque, poron::Dither::light);
    if (!indexed.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
