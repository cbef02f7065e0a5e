// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every name a board cell can be given, from the game's own table of words, so that
// the screen-reader tests read the cells by the names the game gives them:
//
//   a11y_cell_names        one line per cell and state: "<cell> <state> <name>"
#include <cstdio>

#include "cell_names.h"

int main() {
    for (int cell = 0; cell < poron::kCells; ++cell)
        for (const poron::CellWord& word : poron::kCellWords)
            std::printf("%d %s %s\n", cell, word.key, poron::cellName(cell, word.shows).toUtf8().constData());
    return 0;
}
