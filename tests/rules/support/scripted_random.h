// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A random source that hands out a written list of numbers in order, so that a test
// decides every draw the generator makes.
#pragma once

#include <cstddef>
#include <exception>
#include <initializer_list>
#include <vector>

#include "random_source.h"

namespace poron::test {

// Thrown when the game draws more numbers than the script holds.
struct ScriptRanOut : std::exception {
    const char* what() const noexcept override { return "the random script ran out"; }
};

class ScriptedRandom final : public RandomSource {
  public:
    // When `then` is given, draws past the end of the script come from it; otherwise running
    // out fails the test and throws ScriptRanOut.
    explicit ScriptedRandom(std::vector<double> script = {}, RandomSource* then = nullptr)
        : script_(std::move(script)), then_(then) {}

    void seedFromClock() override { ++seedings; }
    double next() override;

    void append(const std::vector<double>& more) {
        script_.insert(script_.end(), more.begin(), more.end());
    }
    // Numbers handed out so far, from the script and from `then`.
    int drawn() const { return drawn_; }
    // Scripted numbers not yet handed out.
    std::size_t left() const { return script_.size() - position_; }

    int seedings = 0;

  private:
    std::vector<double> script_;
    RandomSource* then_;
    std::size_t position_ = 0;
    int drawn_ = 0;
};

// The number r in the middle of the slice that makes a choice among m pick k: floor(r*m) = k.
constexpr double pick(int k, int m) {
    return (k + 0.5) / m;
}

// The draws that make the generator lay exactly `cells` as one walk: the start draw, then one
// draw per jump, none of them blocked. Each step must be a legal jump.
std::vector<double> drawsForWalk(const std::vector<int>& cells);

}  // namespace poron::test
