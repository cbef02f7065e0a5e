// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures of how a picture serves the game: whether the board's pads and blue target
// squares stand out from a reward picture in every cell, and whether black text reads over
// a part of a picture. Shared by the asset tests and the poron_picture_check tool.
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRgb>

namespace poron::assets {

// Relative luminance (sRGB, 0 = black, 1 = white), the measure behind contrast ratios:
// black text on luminance 0.30 or more has a contrast of at least 7:1.
double relativeLuminance(QRgb colour);

// The share (0..1) of the pixels in `box` whose relative luminance is at least `least`.
double shareAtLeastAsLight(const QImage &picture, const QRect &box, double least);

// CIE 1976 colour difference (Euclidean distance in CIELAB, D65 white) between two colours.
double deltaE76(QRgb a, QRgb b);

// The colours the board puts over a reward picture: the pad's two main fills (the two
// colours that cover most of pad.xpm) and the blue that pad_on_blue.xpm adds to the pad.
struct BoardColours {
    QList<QRgb> padGreens;
    QRgb targetBlue = 0;
};
BoardColours boardColours(const QImage &pad, const QImage &padOnBlue);

// A pad, striped pad or target square stands out of a cell when few of the picture's pixels
// in that cell come close to its colour. A pixel is "close" at a CIELAB difference below 20:
// the pad's own fill and highlight differ by 12 and read as one surface, its dark veins
// differ by 40 and read as drawn lines, so a background within 20 of the fill merges with
// the pad. A cell passes when at most 10 % of its pixels are close: a few leaves or a thin
// edge, not an area the pad's outline would have to carry alone. The striped pad shows the
// background in every other row, so it needs the same contrast as the plain pad.
inline constexpr double kCloseDeltaE = 20.0;
inline constexpr double kMostCloseShare = 0.10;

struct CellShare {
    int cell = 0;      // 0..99, row by row
    double share = 0;  // of the cell's pixels close to the colour
};

// The cell of a 10 x 10 board (at any scale: a cell is a tenth of the picture) whose pixels
// come closest to one of `colours` most often, and that share.
CellShare worstCell(const QImage &picture, const QList<QRgb> &colours);

} // namespace poron::assets
