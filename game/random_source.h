// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one sequence of uniform random numbers, and choosing among m things with it.
#pragma once

#include <cstdint>
#include <random>

namespace poron {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds the sequence from the clock, so that every run of the game draws differently.
    virtual void seedFromClock() = 0;
    // The next number of the sequence, uniform in [0, 1).
    virtual double next() = 0;

    // One of 0..m-1 with equal chance: floor(r * m).
    int choose(int m) {
        const int k = static_cast<int>(next() * m);
        return k < m ? k : m - 1;
    }
};

// The sequence the game plays with: a Mersenne Twister turned into doubles in [0, 1).
class MersenneRandom final : public RandomSource {
public:
    explicit MersenneRandom(std::uint64_t seed = 0) : engine_(seed) {}
    void seed(std::uint64_t value) { engine_.seed(value); }
    void seedFromClock() override;
    double next() override {
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;  // 53 random bits
    }

private:
    std::mt19937_64 engine_;
};

// A sequence that starts over from its own seed whenever it is asked to seed from the clock,
// so that every run from that seed lays out the same stages: the fixed-seed build of the game
// and every test that plays with random stages use it, and a failure replays from its seed.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed), random_(seed) {}
    std::uint64_t seed() const { return seed_; }
    void seedFromClock() override { random_.seed(seed_); }
    double next() override { return random_.next(); }

private:
    std::uint64_t seed_;
    MersenneRandom random_;
};

}  // namespace poron
