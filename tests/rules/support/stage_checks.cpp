// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of walks and of stages in play.
#include "stage_checks.h"

#include <bitset>
#include <cstdlib>

namespace poron::test {

bool isKnightJump(int from, int to) {
    if (!isCell(from) || !isCell(to)) return false;
    const int rows = std::abs(rowOf(to) - rowOf(from));
    const int columns = std::abs(columnOf(to) - columnOf(from));
    return (rows == 1 && columns == 2) || (rows == 2 && columns == 1);
}

std::string walkFault(const Walk& walk, int padCount) {
    if (walk.length != padCount)
        return "the walk has " + std::to_string(walk.length) + " pads, not " +
               std::to_string(padCount);
    std::bitset<kCells> seen;
    for (int k = 0; k < walk.length; ++k) {
        const int cell = walk.cells[static_cast<std::size_t>(k)];
        if (!isCell(cell))
            return "pad " + std::to_string(k) + " is off the board: " + std::to_string(cell);
        if (seen[static_cast<std::size_t>(cell)])
            return "cell " + std::to_string(cell) + " is laid twice (pad " + std::to_string(k) +
                   ")";
        seen.set(static_cast<std::size_t>(cell));
        if (k > 0 && !isKnightJump(walk.cells[static_cast<std::size_t>(k - 1)], cell))
            return "no knight jump from " +
                   std::to_string(walk.cells[static_cast<std::size_t>(k - 1)]) + " to " +
                   std::to_string(cell) + " (pads " + std::to_string(k - 1) + " and " +
                   std::to_string(k) + ")";
    }
    return {};
}

std::string stageInPlayFault(const GameState& s) {
    if (!isCell(s.frogCell)) return "frogCell " + std::to_string(s.frogCell) + " is off the board";
    for (int i = 0; i < kCells; ++i) {
        const Upper up = s.upperAt(i);
        const bool frog = up == Upper::frog || up == Upper::frogHeart;
        if (frog != (i == s.frogCell))
            return frog ? "a frog is shown at cell " + std::to_string(i) + " but frogCell is " +
                              std::to_string(s.frogCell)
                        : "no frog is shown at frogCell " + std::to_string(i);
        if (s.lowerAt(i) == Lower::target && !isKnightJump(s.frogCell, i))
            return "cell " + std::to_string(i) + " is a target but not one jump from the frog at " +
                   std::to_string(s.frogCell);
        if (up == Upper::curtain && s.lowerAt(i) != Lower::target)
            return "a curtain stands above cell " + std::to_string(i) + ", which is not a target";
    }
    if (s.lowerAt(s.frogCell) != Lower::pad) return "the frog's cell is not a plain pad";
    return {};
}

std::string freshStageFault(const GameState& s, const Walk& walk) {
    std::bitset<kCells> pads;
    for (int k = 0; k < walk.length; ++k)
        pads.set(static_cast<std::size_t>(walk.cells[static_cast<std::size_t>(k)]));
    if (walk.length == 0) return "no walk";
    const int start = walk.cells[0];
    if (s.startCell != start)
        return "startCell is " + std::to_string(s.startCell) + ", the walk starts at " +
               std::to_string(start);
    if (s.frogCell != start)
        return "frogCell is " + std::to_string(s.frogCell) + ", the walk starts at " +
               std::to_string(start);
    if (s.gameState != 1) return "the stage is not in play";
    if (!s.board) return "the pad map is unset";
    for (int i = 0; i < kCells; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const Lower want = pads[at] ? Lower::pad : Lower::blank;
        if (s.lowerAt(i) != want)
            return "cell " + std::to_string(i) +
                   (pads[at] ? " should be a pad" : " should be blank");
        const Upper wantUp = i == start ? Upper::frog : Upper::blank;
        if (s.upperAt(i) != wantUp)
            return "upper cell " + std::to_string(i) +
                   (i == start ? " should show the frog" : " should be blank");
        if ((*s.board)[at] != (pads[at] ? 1 : 0))
            return "the pad map is wrong at cell " + std::to_string(i);
    }
    return {};
}

}  // namespace poron::test
