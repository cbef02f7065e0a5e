// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What each cell of the board's two layers shows.
#pragma once

#include <cstdint>

namespace poron {

// The lower layer: lily pads.
enum class Lower : std::uint8_t {
    blank,   // no pad
    pad,     // an unvisited pad, not marked; the pad under the frog
    target,  // an unvisited pad one jump from the frog: clicking it moves the frog
    sunk,    // a pad the frog has left; out of play until a restart or a new stage
};

// The upper layer: the frog and the curtains; it takes the clicks.
enum class Upper : std::uint8_t {
    blank,      // nothing above the pad
    frog,       // the frog, first pose
    frogHeart,  // the frog, second pose (with a heart)
    curtain,    // the goal marker above a target of the final jump
};

}  // namespace poron
