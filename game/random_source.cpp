// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Seeding the game's random sequence from the clock.
#include "random_source.h"

#include <chrono>

namespace poron {

void MersenneRandom::seedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

}  // namespace poron
