// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reduces an opaque picture to an 8-bit palette of at most 256 colours.
#pragma once

#include <QImage>

namespace poron {

// Returns `picture` as QImage::Format_Indexed8 with an opaque colour table of
// at most 256 entries. A picture with 256 colours or fewer keeps every colour
// exactly. Otherwise the colours are grouped (median cut, then refined), and a
// group that is mostly one colour keeps that colour exactly, so the large
// flat areas of a drawing do not shift. Without dithering each pixel takes the nearest
// entry; light dithering spreads half of the rounding error of the in-between colours
// (gradients, soft edges) to their neighbours, and leaves colours in the palette exact.
enum class Dither { none, light };
QImage quantiseTo256(const QImage &picture, Dither dither = Dither::none);

} // namespace poron
