// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plans the end-to-end tests' moves: replays what the fixed-seed game does at start-up and
// on a difficulty command, prints the stage it lays out, a sequence of clicks that leaves
// the frog stuck and one that reaches the curtains, and plays both plans on the rules
// before printing them.
//
//   stage_planner <seed> [easy|normal|hard]
//
// Output, one item a line (cells are indices 0..99):
//   caption <text>       the caption after the difficulty command
//   start <cell>         the frog's start cell
//   pads <cells>         the stage's pads in the order of the walk, start first
//   stuck <cells>        targets to click, one after another; after the last one the frog
//                        has nowhere to jump
//   clear <cells>        targets to click; the last one is a curtain and clears the stage
//   next_caption <text>  the caption of the stage laid out after the clear
//   next_start <cell>
//   next_pads <cells>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "game.h"

namespace {

using poron::Game;
using poron::GameState;
using poron::Lower;
using poron::Upper;

struct ProgramEnded {};

// Windows that only remember what the game asked of them. The continue dialog answers Yes.
class PlanWindows final : public poron::GameWindows {
public:
    void setCaption(const std::string& text) override { caption = text; }
    void setBackground(int picture) override { background = picture; }
    void setLabel1(const std::string&) override {}
    void cellChanged(int) override {}
    void openContinueDialog() override { ++continueDialogs; }
    void openStageClearWindow() override { ++stageClearWindows; }
    void openVersionDialog() override {}
    void endProgram() override { throw ProgramEnded{}; }

    std::string caption;
    int background = -1;
    int continueDialogs = 0;
    int stageClearWindows = 0;
};

[[noreturn]] void fail(const std::string& why) {
    std::cerr << "stage_planner: " << why << '\n';
    std::exit(1);
}

std::vector<int> cellsShowing(const GameState& state, Lower lower) {
    std::vector<int> cells;
    for (int i = 0; i < poron::kCells; ++i)
        if (state.lowerAt(i) == lower) cells.push_back(i);
    return cells;
}

std::vector<int> cellsShowing(const GameState& state, Upper upper) {
    std::vector<int> cells;
    for (int i = 0; i < poron::kCells; ++i)
        if (state.upperAt(i) == upper) cells.push_back(i);
    return cells;
}

bool contains(const std::vector<int>& cells, int cell) {
    for (int c : cells)
        if (c == cell) return true;
    return false;
}

std::string joined(const std::vector<int>& cells) {
    std::ostringstream out;
    for (std::size_t k = 0; k < cells.size(); ++k) out << (k ? " " : "") << cells[k];
    return out.str();
}

// A run of the game from start-up up to the freshly laid first stage.
struct Run {
    explicit Run(std::uint64_t seed, const std::string& difficulty) : random(seed), game(windows, random) {
        game.Form_Load();
        if (difficulty == "easy")
            game.geazy_Click();
        else if (difficulty == "normal")
            game.gnoml_Click();
        else if (difficulty == "hard")
            game.ghard_Click();
        else
            fail("unknown difficulty " + difficulty);
    }
    PlanWindows windows;
    poron::SeededRandom random;  // as the fixed-seed build of the program seeds it
    Game game;
};

// A depth-first search, on the rules themselves, for at most `depth` clicks from the given
// position that end with a stuck frog. Each step lets one tick mark the targets and clicks
// one of them.
std::optional<std::vector<int>> findStuckPath(const GameState& position, int depth) {
    PlanWindows windows;
    poron::SeededRandom unused(0);
    Game probe(windows, unused, position);
    probe.Timer1_Timer();
    if (windows.continueDialogs > 0) return std::vector<int>{};
    if (!cellsShowing(probe.state(), Upper::curtain).empty()) return std::nullopt;  // clears instead
    if (depth == 0) return std::nullopt;
    for (int target : cellsShowing(probe.state(), Lower::target)) {
        Game next(windows, unused, probe.state());
        next.image2_MouseUp(target);
        if (auto rest = findStuckPath(next.state(), depth - 1)) {
            rest->insert(rest->begin(), target);
            return rest;
        }
    }
    return std::nullopt;
}

// Plays `clicks` on a fresh run, a tick before each click as the program's timer gives it,
// and checks that every click lands on a target (or, for the last click of a clear, on a
// curtain). Returns the run after the last click and one more tick.
void playPlan(Run& run, const std::vector<int>& clicks, bool lastIsCurtain) {
    for (std::size_t k = 0; k < clicks.size(); ++k) {
        run.game.Timer1_Timer();
        if (run.windows.continueDialogs > 0) fail("the frog got stuck before click " + std::to_string(k));
        const GameState& state = run.game.state();
        const int cell = clicks[k];
        const bool last = k + 1 == clicks.size();
        if (last && lastIsCurtain) {
            if (state.upperAt(cell) != Upper::curtain) fail("the last click is not on a curtain");
        } else {
            if (state.lowerAt(cell) != Lower::target) fail("click " + std::to_string(k) + " is not on a target");
            if (state.upperAt(cell) != Upper::blank) fail("click " + std::to_string(k) + " lands under a curtain");
        }
        run.game.image2_MouseUp(cell);
        if (!(last && lastIsCurtain) && run.game.state().frogCell != cell)
            fail("the frog did not jump to " + std::to_string(cell));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) fail("usage: stage_planner <seed> [easy|normal|hard]");
    const std::uint64_t seed = std::strtoull(argv[1], nullptr, 10);
    const std::string difficulty = argc == 3 ? argv[2] : "easy";

    Run first(seed, difficulty);
    const GameState start = first.game.state();
    const poron::Walk& walk = first.game.lastWalk();
    std::vector<int> pads(walk.cells.begin(), walk.cells.begin() + walk.length);
    if (cellsShowing(start, Lower::pad) != [&] {
            std::vector<int> sorted = pads;
            std::sort(sorted.begin(), sorted.end());
            return sorted;
        }())
        fail("the pads on the board are not the walk's cells");
    if (start.frogCell != pads.front() || start.upperAt(pads.front()) != Upper::frog)
        fail("the frog is not on the walk's first cell");

    // The walk's own order always clears: each next pad is one jump on, and the curtains go
    // up once every pad left is one jump away, at the latest before the walk's last pad.
    std::vector<int> clear;
    {
        Run run(seed, difficulty);
        for (std::size_t k = 1; k < pads.size(); ++k) {
            run.game.Timer1_Timer();
            clear.push_back(pads[k]);
            if (run.game.state().upperAt(pads[k]) == Upper::curtain) break;
            run.game.image2_MouseUp(pads[k]);
        }
    }
    // The shortest way to a stuck frog, to keep the test's clicking short.
    std::optional<std::vector<int>> stuck;
    for (int depth = 1; depth < walk.length && !stuck; ++depth) stuck = findStuckPath(start, depth);
    if (!stuck) fail("this stage has no way to get the frog stuck; pick another seed");

    // Check both plans by playing them on fresh runs of the game.
    {
        Run run(seed, difficulty);
        playPlan(run, *stuck, false);
        run.game.Timer1_Timer();
        if (run.windows.continueDialogs != 1) fail("the stuck plan does not open the continue dialog");
        if (run.game.state().frogCell != start.startCell || run.game.state().stuckCount != 1)
            fail("after Yes the stage did not restart");
    }
    Run cleared(seed, difficulty);
    playPlan(cleared, clear, true);
    if (cleared.windows.stageClearWindows != 1) fail("the clear plan does not open the stage-clear window");
    if (cleared.game.state().clearedStages != 1 || cleared.windows.background != 1)
        fail("the clear was not counted");
    const poron::Walk& nextWalk = cleared.game.lastWalk();
    const std::vector<int> nextPads(nextWalk.cells.begin(), nextWalk.cells.begin() + nextWalk.length);
    if (!contains(nextPads, cleared.game.state().frogCell)) fail("the next stage's frog is off its pads");

    std::cout << "caption " << first.windows.caption << '\n'
              << "start " << start.startCell << '\n'
              << "pads " << joined(pads) << '\n'
              << "stuck " << joined(*stuck) << '\n'
              << "clear " << joined(clear) << '\n'
              << "next_caption " << cleared.windows.caption << '\n'
              << "next_start " << cleared.game.state().startCell << '\n'
              << "next_pads " << joined(nextPads) << '\n';
    return 0;
}
