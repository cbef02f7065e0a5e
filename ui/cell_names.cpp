// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the board's cells for screen readers.
#include "cell_names.h"

namespace poron {

// cellWord() finds a word by its CellShows value.
static_assert([] {
    for (std::size_t i = 0; i < kCellWords.size(); ++i)
        if (kCellWords[i].shows != static_cast<CellShows>(i)) return false;
    return true;
}());

CellShows cellShows(const GameState& state, int cell) {
    switch (state.upperAt(cell)) {
        case Upper::frog:
        case Upper::frogHeart: return CellShows::frog;
        case Upper::curtain: return CellShows::curtain;
        case Upper::blank: break;
    }
    switch (state.lowerAt(cell)) {
        case Lower::pad: return CellShows::pad;
        case Lower::target: return CellShows::target;
        case Lower::sunk: return CellShows::sunk;
        case Lower::blank: break;
    }
    return CellShows::empty;
}

QString cellPlace(int cell) {
    return QStringLiteral("%1行%2列").arg(rowOf(cell) + 1).arg(columnOf(cell) + 1);
}

QString cellWord(CellShows shows) {
    return QString::fromUtf8(kCellWords[static_cast<std::size_t>(shows)].word);
}

QString cellName(int cell, CellShows shows) { return cellPlace(cell) + u' ' + cellWord(shows); }

}  // namespace poron
