// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese Gothic faces of the dialogs' texts.
#pragma once

#include <QFont>

namespace poron {

enum class Pitch { proportional, monospaced };

// "ＭＳ Ｐゴシック" / "ＭＳ ゴシック" where installed, else the IPA Gothic faces, else any
// Japanese Gothic face; `pixelSize` is the height of the text in pixels.
QFont japaneseGothic(Pitch pitch, int pixelSize, QFont::Weight weight);

}  // namespace poron
