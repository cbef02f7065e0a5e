// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Review tool: whether the board stays playable over reward pictures. For each PNG it prints
// the cell where the picture comes closest to the pads' greens and to the target squares'
// blue (see picture_measures.h), and fails when one of them is over the limit.
//
//   poron_picture_check PICTURE.png...
//   (e.g. build/assets/pictures/imageCG1.png, or a PNG exported from an editor at any size)
#include "asset_catalogue.h"
#include "picture_measures.h"

#include <QImage>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PICTURE.png...\n", argv[0]);
        return 2;
    }
    using namespace poron::assets;
    const BoardColours board = boardColours(QImage(QStringLiteral(":/sprites/pad.xpm")),
                                            QImage(QStringLiteral(":/sprites/pad_on_blue.xpm")));
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        const QImage picture(QString::fromLocal8Bit(argv[i]));
        if (picture.isNull()) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[i]);
            return 2;
        }
        const CellShare green = worstCell(picture, board.padGreens);
        const CellShare blue = worstCell(picture, {board.targetBlue});
        const bool ok = green.share <= kMostCloseShare && blue.share <= kMostCloseShare;
        failed += !ok;
        std::printf("%s: %s  pad green: %4.1f %% in cell %d (row %d, column %d)  target blue: %4.1f %% in cell %d "
                    "(row %d, column %d)\n",
                    argv[i], ok ? "ok  " : "FAIL", 100 * green.share, green.cell, green.cell / 10, green.cell % 10,
                    100 * blue.share, blue.cell, blue.cell / 10, blue.cell % 10);
    }
    if (failed)
        std::printf("%d picture(s) with a cell where more than %.0f %% of the pixels lie within dE %.0f of a pad or "
                    "target colour\n",
                    failed, 100 * kMostCloseShare, kCloseDeltaE);
    return failed ? 1 : 0;
}
