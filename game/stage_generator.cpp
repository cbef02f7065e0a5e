// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The stage generator: random knight walks, with a backtracking search for the rare case
// where every fresh walk has run into a dead end.
#include "stage_generator.h"

#include <algorithm>

#include "game_state.h"

namespace poron {

namespace {

bool hasOpenJump(int cell, const PadMap& laid) {
    for (int offset : jumpsFrom(cell))
        if (!laid[static_cast<std::size_t>(cell + offset)]) return true;
    return false;
}

// One walk as the game has always drawn it. False when it ran into a dead end.
bool drawWalk(int padCount, RandomSource& random, Walk& walk) {
    PadMap laid{};
    int cell = random.choose(kCells);
    laid[static_cast<std::size_t>(cell)] = 1;
    walk.cells[0] = cell;
    walk.length = 1;
    while (walk.length < padCount) {
        if (!hasOpenJump(cell, laid)) return false;
        const Jumps& jumps = jumpsFrom(cell);
        for (;;) {  // a blocked draw is drawn again; an open jump exists, so this ends
            const int next = cell + jumps[random.choose(jumps.size())];
            if (!laid[static_cast<std::size_t>(next)]) {
                laid[static_cast<std::size_t>(next)] = 1;
                cell = next;
                break;
            }
        }
        walk.cells[static_cast<std::size_t>(walk.length++)] = cell;
    }
    return true;
}

// The unlaid cells one jump from `cell`, fewest onward jumps first (so the search rarely has
// to back up), ties in random order.
struct Candidates {
    std::array<int, 8> cells{};
    int count = 0;
    int tried = 0;
};

Candidates candidatesFrom(int cell, const PadMap& laid, RandomSource& random) {
    Candidates candidates;
    std::array<double, 8> keys{};
    for (int offset : jumpsFrom(cell)) {
        const int next = cell + offset;
        if (laid[static_cast<std::size_t>(next)]) continue;
        int onward = 0;
        for (int second : jumpsFrom(next))
            if (!laid[static_cast<std::size_t>(next + second)]) ++onward;
        const auto k = static_cast<std::size_t>(candidates.count++);
        candidates.cells[k] = next;
        keys[k] = onward + random.next();
    }
    // Insertion sort of at most eight entries by key.
    for (int i = 1; i < candidates.count; ++i) {
        for (int j = i; j > 0 && keys[static_cast<std::size_t>(j)] < keys[static_cast<std::size_t>(j - 1)]; --j) {
            std::swap(keys[static_cast<std::size_t>(j)], keys[static_cast<std::size_t>(j - 1)]);
            std::swap(candidates.cells[static_cast<std::size_t>(j)],
                      candidates.cells[static_cast<std::size_t>(j - 1)]);
        }
    }
    return candidates;
}

}  // namespace

Walk searchWalk(int padCount, int start, RandomSource& random) {
    padCount = std::clamp(padCount, 1, kCells);
    Walk walk;
    walk.usedFallback = true;
    std::array<Candidates, kCells> frames;
    // From the given start a walk of any length up to 100 exists (the board has a closed
    // knight's tour); the outer loop only guards against that ever being untrue.
    for (int shift = 0; shift < kCells; ++shift) {
        const int first = (start + shift) % kCells;
        PadMap laid{};
        laid[static_cast<std::size_t>(first)] = 1;
        walk.cells[0] = first;
        walk.length = 1;
        frames[0] = candidatesFrom(first, laid, random);
        while (walk.length < padCount) {
            Candidates& frame = frames[static_cast<std::size_t>(walk.length - 1)];
            if (frame.tried == frame.count) {  // every jump from here failed: back up one pad
                if (walk.length == 1) break;
                laid[static_cast<std::size_t>(walk.cells[static_cast<std::size_t>(--walk.length)])] = 0;
                continue;
            }
            const int next = frame.cells[static_cast<std::size_t>(frame.tried++)];
            laid[static_cast<std::size_t>(next)] = 1;
            walk.cells[static_cast<std::size_t>(walk.length++)] = next;
            frames[static_cast<std::size_t>(walk.length - 1)] = candidatesFrom(next, laid, random);
        }
        if (walk.length == padCount) return walk;
    }
    walk.length = 0;
    return walk;
}

Walk generateWalk(int padCount, RandomSource& random, int restartLimit) {
    padCount = std::clamp(padCount, 1, kCells);
    Walk walk;
    for (int attempt = 0; attempt <= restartLimit; ++attempt) {
        if (drawWalk(padCount, random, walk)) return walk;
        ++walk.restarts;
    }
    const int restarts = walk.restarts;
    walk = searchWalk(padCount, random.choose(kCells), random);
    walk.restarts = restarts;
    return walk;
}

}  // namespace poron
