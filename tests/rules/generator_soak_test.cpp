// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A million generated stages over every level and number of cleared stages, each checked:
// the exact number of pads, no cell twice, every pad one knight jump from the one before.
#include <gtest/gtest.h>

#include "stage_checks.h"
#include "stage_generator.h"

namespace poron {
namespace {

TEST(GeneratorSoak, AMillionStagesAreAllValidWalks) {
    constexpr int kStages = 1'000'000;
    constexpr int kKinds = 3 * (kMaxClearedStages + 1);
    int checked = 0;
    int failures = 0;
    for (int level : {1, 2, 5}) {
        for (int cleared = 0; cleared <= kMaxClearedStages; ++cleared) {
            const int padCount = padCountFor(level, cleared);
            MersenneRandom random(static_cast<std::uint64_t>(level * 1000 + cleared));
            for (int k = 0; k < (kStages + kKinds - 1) / kKinds; ++k) {
                const Walk walk = generateWalk(padCount, random);
                const std::string fault = test::walkFault(walk, padCount);
                ++checked;
                if (fault.empty()) continue;
                ADD_FAILURE() << "level " << level << ", cleared " << cleared << ", stage " << k
                              << ": " << fault;
                if (++failures == 10) return;
            }
        }
    }
    EXPECT_GE(checked, kStages);
}

}  // namespace
}  // namespace poron
