// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's knight jumps: which jumps leave each cell, in which order, and that none wraps
// across the left or right edge.
#include "board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "stage_checks.h"

namespace poron {
namespace {

std::vector<int> listed(int cell) {
    const Jumps& jumps = jumpsFrom(cell);
    return {jumps.begin(), jumps.end()};
}

TEST(JumpsFrom, ListsTheLegalJumpsOfExampleCellsInJumpOrder) {
    struct Case {
        int cell;
        std::vector<int> jumps;
    };
    const Case cases[] = {
        {0, {21, 12}},           {9, {19, 8}},
        {10, {21, -8, 12}},      {19, {19, -12, 8}},
        {20, {-19, 21, -8, 12}}, {44, {-19, -21, 21, 19, -12, 8, -8, 12}},
        {99, {-21, -12}},
    };
    for (const Case& c : cases) EXPECT_EQ(listed(c.cell), c.jumps) << "from cell " << c.cell;
}

// Row and column classes of the counts table: 0, 1, 2..7, 8, 9.
int edgeClass(int n) {
    return n <= 1 ? n : n <= 7 ? 2 : n - 5;
}

TEST(JumpsFrom, EveryCellHasTheCountOfItsTableEntryAndEveryEntryIsAKnightJump) {
    constexpr int counts[5][5] = {
        {2, 3, 4, 3, 2}, {3, 4, 6, 4, 3}, {4, 6, 8, 6, 4}, {3, 4, 6, 4, 3}, {2, 3, 4, 3, 2},
    };
    for (int cell = 0; cell < kCells; ++cell) {
        const std::vector<int> jumps = listed(cell);
        EXPECT_EQ(static_cast<int>(jumps.size()),
                  counts[edgeClass(rowOf(cell))][edgeClass(columnOf(cell))])
            << "from cell " << cell;
        int lastPosition = -1;
        for (int offset : jumps) {
            EXPECT_TRUE(test::isKnightJump(cell, cell + offset)) << cell << " + " << offset;
            const int position = static_cast<int>(
                std::find(jumpOrder.begin(), jumpOrder.end(), offset) - jumpOrder.begin());
            EXPECT_GT(position, lastPosition) << "jumps from " << cell << " are out of jump order";
            lastPosition = position;
        }
    }
}

TEST(JumpsFrom, LeavesOutSumsThatLandOnTheBoardAcrossAnEdge) {
    struct Case {
        int cell;
        int offset;
    };
    const Case wraps[] = {
        {9, 12},  {9, 21},   {9, -8}, {19, 12}, {19, 21}, {19, -8},  {19, -19}, {10, 8},
        {10, 19}, {20, -12}, {20, 8}, {20, 19}, {29, 12}, {80, -21}, {91, 8},   {98, -8},
    };
    for (const Case& c : wraps) {
        ASSERT_TRUE(isCell(c.cell + c.offset));
        const std::vector<int> jumps = listed(c.cell);
        EXPECT_EQ(std::count(jumps.begin(), jumps.end(), c.offset), 0)
            << "cell " << c.cell << " + " << c.offset << " = " << c.cell + c.offset << " wraps";
    }
}

}  // namespace
}  // namespace poron
