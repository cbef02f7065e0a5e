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
#include <string>

namespace {

// "12.5 % in cell 47 (row 4, column 7)", or "no close pixel" when no cell has one.
std::string describe(const poron::assets::CellShare &worst)
{
    if (worst.share == 0)
        return "no close pixel";
    char text[64];
    std::snprintf(text, sizeof text, "%.1f %% in cell %d (row %d, column %d)", 100 * worst.share, worst.cell,
                  worst.cell / 10, worst.cell % 10);
    return text;
}

} // namespace

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
        std::printf("%s: %s  pad green: %s  target blue: %s\n", argv[i], ok ? "ok  " : "FAIL",
                    describe(green).c_str(), describe(blue).c_str());
    }
    if (failed)
        std::printf("%d picture(s) with a cell where more than %.0f %% of the pixels lie within dE %.0f of a pad or "
                    "target colour\n",
                    failed, 100 * kMostCloseShare, kCloseDeltaE);
    return failed ? 1 : 0;
}
