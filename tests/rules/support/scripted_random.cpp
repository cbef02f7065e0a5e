// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted random source, and the draws that lay a chosen walk.
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "board.h"

namespace poron::test {

double ScriptedRandom::next() {
    ++drawn_;
    if (position_ < script_.size()) return script_[position_++];
    if (then_) return then_->next();
    ADD_FAILURE() << "the game drew number " << drawn_ << " but the script holds only "
                  << script_.size();
    throw ScriptRanOut{};
}

std::vector<double> drawsForWalk(const std::vector<int>& cells) {
    std::vector<double> draws;
    if (cells.empty()) return draws;
    draws.push_back(pick(cells[0], kCells));
    for (std::size_t k = 1; k < cells.size(); ++k) {
        const Jumps& jumps = jumpsFrom(cells[k - 1]);
        int position = -1;
        for (int d = 0; d < jumps.size(); ++d)
            if (cells[k - 1] + jumps[d] == cells[k]) position = d;
        if (position < 0)
            throw std::invalid_argument("no jump from " + std::to_string(cells[k - 1]) + " to " +
                                        std::to_string(cells[k]));
        draws.push_back(pick(position, jumps.size()));
    }
    return draws;
}

}  // namespace poron::test
