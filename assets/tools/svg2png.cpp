// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: renders one illustration (SVG) at its own size into an
// opaque PNG with an 8-bit palette of at most 256 colours.
//
//   poron_svg2png IN.svg OUT.png
//
// The palette comes from our own quantiser (palette_quantiser.h), which keeps
// the flat colours of the drawing exact and spends the rest of the palette on
// the anti-aliased edges; no dithering, so flat areas stay flat.
#include "palette_quantiser.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.png\n", argv[0]);
        return 2;
    }
    // Text in an SVG needs fonts, and fonts need a GUI application; the
    // offscreen platform lets this run on a build machine without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QDir::temp().filePath("poron-svg2png-runtime").toLocal8Bit());
    QGuiApplication app(argc, argv);

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) {
        std::fprintf(stderr, "%s: %s has no width and height\n", argv[0], argv[1]);
        return 1;
    }

    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }

    const QImage indexed = poron::quantiseTo256(canvas);
    if (!indexed.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
