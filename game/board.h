// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 x 10 board: cell indices, their pixel squares and the knight's jumps.
#pragma once

#include <array>
#include <cstddef>

namespace poron {

inline constexpr int kRows = 10;
inline constexpr int kColumns = 10;
inline constexpr int kCells = kRows * kColumns;
inline constexpr int kCellPixels = 32;
inline constexpr int kBoardPixels = kCellPixels * kColumns;

constexpr int rowOf(int cell) { return cell / kColumns; }
constexpr int columnOf(int cell) { return cell % kColumns; }
constexpr int cellAt(int row, int column) { return row * kColumns + column; }
constexpr bool isCell(int cell) { return cell >= 0 && cell < kCells; }

// Top-left pixel of a cell's square in the board's client area.
struct PixelPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(PixelPoint, PixelPoint) = default;
};
constexpr PixelPoint cellOrigin(int cell) {
    return {kCellPixels * columnOf(cell), kCellPixels * rowOf(cell)};
}
// The cell that owns client pixel (x, y). On a line shared by two neighbouring squares the
// higher index wins, which plain integer division gives. (x, y) must lie on the board.
constexpr int cellAtPixel(int x, int y) {
    return (y / kCellPixels) * kColumns + x / kCellPixels;
}

// The eight knight jumps as index offsets, in the game's stored order.
inline constexpr std::array<int, 8> knightOffsets{-21, -19, -8, 12, -12, 8, 19, 21};
// The order in which the game lists the jumps from a cell.
inline constexpr std::array<int, 8> jumpOrder{-19, -21, 21, 19, -12, 8, -8, 12};

// Rows and columns that a jump by an index offset moves.
struct Step {
    int rows;
    int columns;
};
constexpr Step stepOf(int offset) {
    switch (offset) {
        case -21: return {-2, -1};
        case -19: return {-2, +1};
        case -8: return {-1, +2};
        case 12: return {+1, +2};
        case -12: return {-1, -2};
        case 8: return {+1, -2};
        case 19: return {+2, -1};
        case 21: return {+2, +1};
        default: return {0, 0};
    }
}

// The legal jumps from one cell, in jump order: at most eight offsets.
class Jumps {
public:
    constexpr void push(int offset) { offsets_[count_++] = offset; }
    constexpr int size() const { return count_; }
    constexpr int operator[](int k) const { return offsets_[static_cast<std::size_t>(k)]; }
    constexpr const int* begin() const { return offsets_.data(); }
    constexpr const int* end() const { return offsets_.data() + count_; }

private:
    std::array<int, 8> offsets_{};
    int count_ = 0;
};

constexpr Jumps computeJumpsFrom(int cell) {
    Jumps jumps;
    for (int offset : jumpOrder) {
        const Step step = stepOf(offset);
        const int row = rowOf(cell) + step.rows;
        const int column = columnOf(cell) + step.columns;
        if (row >= 0 && row < kRows && column >= 0 && column < kColumns) jumps.push(offset);
    }
    return jumps;
}

namespace detail {
constexpr std::array<Jumps, kCells> makeJumpTable() {
    std::array<Jumps, kCells> table{};
    for (int cell = 0; cell < kCells; ++cell) table[static_cast<std::size_t>(cell)] = computeJumpsFrom(cell);
    return table;
}
inline constexpr std::array<Jumps, kCells> kJumpTable = makeJumpTable();
}  // namespace detail

// The legal jumps from `cell` (0..99): those that land on the board without crossing a side.
constexpr const Jumps& jumpsFrom(int cell) {
    return detail::kJumpTable[static_cast<std::size_t>(cell)];
}

}  // namespace poron
