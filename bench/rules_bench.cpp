// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of each event of the rules: a tick, a move, a restart and laying out a stage,
// printed as `name: value unit` lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include "game.h"
#include "quiet_windows.h"

namespace poron::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A stage in play on the hard difficulty after seven cleared stages: 47 pads, the frog on
// the start pad, and one tick done so that its targets are marked.
GameState stageInPlayOf47(std::uint64_t seed) {
    QuietWindows windows;
    MersenneRandom random(seed);
    GameState initial;
    initial.clearedStages = kMaxClearedStages;
    Game game(windows, random, initial);
    game.ghard_Click();
    game.Timer1_Timer();
    return game.state();
}

// The first marked cell, the one a move goes to.
int firstTarget(const GameState& state) {
    for (int i = 0; i < kCells; ++i)
        if (state.lowerAt(i) == Lower::target) return i;
    return -1;
}

void BM_Tick(benchmark::State& run) {
    QuietWindows windows;
    MersenneRandom random(1);
    Game game(windows, random, stageInPlayOf47(7));
    for (auto _ : run) {
        game.Timer1_Timer();  // the frog changes its pose; the targets stay marked
        benchmark::ClobberMemory();
    }
    if (!game.state().inPlay()) run.SkipWithError("the stage left play");
}

// Events that change the stage for good are timed over a batch of games, each set up
// afresh (untimed) in the same position; one iteration is the whole batch.
constexpr int kBatch = 512;

template <typename Event>
void timeOnFreshGames(benchmark::State& run, const GameState& position, Event event) {
    QuietWindows windows;
    MersenneRandom random(1);
    std::vector<std::optional<Game>> games(kBatch);
    for (auto _ : run) {
        for (auto& game : games) game.emplace(windows, random, position);
        const auto start = Clock::now();
        for (auto& game : games) event(*game);
        const auto stop = Clock::now();
        benchmark::ClobberMemory();
        run.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}

void BM_Move(benchmark::State& run) {
    const GameState position = stageInPlayOf47(7);
    const int target = firstTarget(position);
    timeOnFreshGames(run, position, [target](Game& game) { game.image2_MouseUp(target); });
}

// A restart from the middle of a stage: ten moves made, some pads sunk, targets marked.
GameState midStageOf47(std::uint64_t seed) {
    QuietWindows windows;
    MersenneRandom random(seed);
    Game game(windows, random, stageInPlayOf47(seed));
    for (int move = 0; move < 10; ++move) {
        const int target = firstTarget(game.state());
        if (target < 0) break;
        game.image2_MouseUp(target);
        game.Timer1_Timer();
    }
    return game.state();
}

void BM_Restart(benchmark::State& run) {
    const GameState position = midStageOf47(11);
    timeOnFreshGames(run, position, [](Game& game) { game.gup_Click(); });
}

BENCHMARK(BM_Tick)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_Move)->UseManualTime()->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_Restart)->UseManualTime()->Repetitions(9)->ReportAggregatesOnly(true);

// Keeps the median of each benchmark's repetitions, in nanoseconds.
class MedianCollector final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians.emplace_back(r.run_name.function_name, r.GetAdjustedRealTime());
    }
    double median(const std::string& name) const {
        for (const auto& [n, t] : medians)
            if (n == name) return t;
        return -1;
    }
    std::vector<std::pair<std::string, double>> medians;
};

// Laying out new stages one by one, each timed on its own: mean and 99.9th percentile, and
// how often the walk needed the backtracking search.
struct StageTimes {
    double meanUs = 0;
    double p999Us = 0;
    double fallbackShare = 0;
};

StageTimes timeNewStages(int level, int stages) {
    QuietWindows windows;
    MersenneRandom random(20261209u + static_cast<unsigned>(level));
    GameState initial;
    initial.clearedStages = kMaxClearedStages;
    if (level == 1) initial.clearedStages = 0;  // 12 pads
    Game game(windows, random, initial);
    std::vector<double> us;
    us.reserve(static_cast<std::size_t>(stages));
    long fallbacks = 0;
    for (int k = 0; k < stages; ++k) {
        const auto start = Clock::now();
        switch (level) {
            case 1: game.geazy_Click(); break;
            case 2: game.gnoml_Click(); break;
            default: game.ghard_Click(); break;
        }
        const auto stop = Clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
        if (game.lastWalk().usedFallback) ++fallbacks;
    }
    StageTimes times;
    double sum = 0;
    for (double t : us) sum += t;
    times.meanUs = sum / stages;
    const auto rank = static_cast<std::size_t>(0.999 * (stages - 1));
    std::nth_element(us.begin(), us.begin() + static_cast<long>(rank), us.end());
    times.p999Us = us[rank];
    times.fallbackShare = static_cast<double>(fallbacks) / stages;
    return times;
}

}  // namespace
}  // namespace poron::bench

int main(int argc, char** argv) {
    using namespace poron::bench;
    benchmark::Initialize(&argc, argv);
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    constexpr int kStages = 100'000;
    const StageTimes easy = timeNewStages(1, kStages);
    const StageTimes normal = timeNewStages(2, kStages);
    const StageTimes hard = timeNewStages(5, kStages);
    // The fallback is rare: count it over many more stages than are timed.
    const StageTimes hardMany = timeNewStages(5, 1'000'000);

    std::printf("tick_ns: %.1f ns\n", collector.median("BM_Tick"));
    std::printf("move_ns: %.1f ns\n", collector.median("BM_Move") / kBatch);
    std::printf("restart_ns: %.1f ns\n", collector.median("BM_Restart") / kBatch);
    std::printf("newstage_12_mean_us: %.2f us\n", easy.meanUs);
    std::printf("newstage_26_mean_us: %.2f us\n", normal.meanUs);
    std::printf("newstage_47_mean_us: %.2f us\n", hard.meanUs);
    std::printf("newstage_47_p999_us: %.2f us\n", hard.p999Us);
    std::printf("fallback_share_47: %.6f fraction\n", hardMany.fallbackShare);
    benchmark::Shutdown();
    return 0;
}
