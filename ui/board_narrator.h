// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's news in words, for a player who hears the game: what changed since the last
// news that a sighted player would see change (a stage laid, the frog's jump or its return
// to the start, the pads it can jump to, the curtains).
#pragma once

#include <QString>
#include <bitset>

#include "board.h"
#include "game_state.h"

namespace poron {

class BoardNarrator {
public:
    // The game has laid out a new stage (the caption changed to "レベル…").
    void stageLaid() { ++stagesLaid_; }

    // What changed on `state` since the last call, in words; empty when nothing did.
    QString news(const GameState& state);

private:
    struct Seen {
        int stage = 0;  // how many stages had been laid
        int frog = -1;
        int sunk = 0;
        std::bitset<kCells> targets;
        std::bitset<kCells> curtains;
    };
    Seen look(const GameState& state) const;

    int stagesLaid_ = 0;
    Seen told_;
};

}  // namespace poron
