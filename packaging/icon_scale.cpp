// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: writes the frog icon as a square PNG of a given size,
// enlarged by nearest neighbour so that the pixel art stays crisp.
//
//   poron-icon-scale <source image> <output.png> <size>
//
// The size must be a whole multiple of the source's side, so every source
// pixel becomes an equal block and no pixel is doubled more than another.
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <source image> <output.png> <size>\n", argv[0]);
        return 2;
    }
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[2]);
    bool sizeOk = false;
    const int size = QByteArray(argv[3]).toInt(&sizeOk);

    const QImage loaded(sourcePath);
    if (loaded.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const int side = loaded.width();
    if (loaded.height() != side) {
        std::fprintf(stderr, "%s: %s is %d x %d, not square\n", argv[0], argv[1], side,
                     loaded.height());
        return 1;
    }
    if (!sizeOk || size < side || size % side != 0) {
        std::fprintf(stderr, "%s: size %s is not a whole multiple of %d\n", argv[0], argv[3],
                     side);
        return 1;
    }

    const QImage source = loaded.convertToFormat(QImage::Format_ARGB32);
    const int factor = size / side;
    QImage scaled(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            scaled.setPixel(x, y, source.pixel(x / factor, y / factor));
        }
    }
    if (!scaled.save(outputPath, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
