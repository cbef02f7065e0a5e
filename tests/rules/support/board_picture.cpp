// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and printing boards drawn as letters.
#include "board_picture.h"

#include <sstream>
#include <stdexcept>

namespace poron::test {

namespace {

struct Letter {
    char letter;
    Lower lower;
    Upper upper;
};

constexpr std::array<Letter, 7> kLetters{{
    {'.', Lower::blank, Upper::blank},
    {'o', Lower::pad, Upper::blank},
    {'t', Lower::target, Upper::blank},
    {'x', Lower::sunk, Upper::blank},
    {'F', Lower::pad, Upper::frog},
    {'H', Lower::pad, Upper::frogHeart},
    {'C', Lower::target, Upper::curtain},
}};

const char* nameOf(Lower lower) {
    switch (lower) {
        case Lower::blank:
            return "blank";
        case Lower::pad:
            return "pad";
        case Lower::target:
            return "target";
        case Lower::sunk:
            return "sunk";
    }
    return "?";
}

const char* nameOf(Upper upper) {
    switch (upper) {
        case Upper::blank:
            return "blank";
        case Upper::frog:
            return "frog";
        case Upper::frogHeart:
            return "frogHeart";
        case Upper::curtain:
            return "curtain";
    }
    return "?";
}

char letterOf(Lower lower, Upper upper) {
    for (const Letter& l : kLetters)
        if (l.lower == lower && l.upper == upper) return l.letter;
    return '?';
}

}  // namespace

GameState stageFrom(const Picture& picture, const StageSetup& setup) {
    GameState state;
    PadMap board{};
    int frogs = 0;
    for (int row = 0; row < kRows; ++row) {
        const std::string_view line = picture[static_cast<std::size_t>(row)];
        if (line.size() != static_cast<std::size_t>(kColumns))
            throw std::invalid_argument("row " + std::to_string(row) + " is not ten letters");
        for (int column = 0; column < kColumns; ++column) {
            const int cell = cellAt(row, column);
            const char c = line[static_cast<std::size_t>(column)];
            const Letter* found = nullptr;
            for (const Letter& l : kLetters)
                if (l.letter == c) found = &l;
            if (!found) throw std::invalid_argument(std::string("unknown letter '") + c + "'");
            state.lower[static_cast<std::size_t>(cell)] = found->lower;
            state.upper[static_cast<std::size_t>(cell)] = found->upper;
            board[static_cast<std::size_t>(cell)] = found->lower != Lower::blank;
            if (c == 'F' || c == 'H') {
                state.frogCell = cell;
                ++frogs;
            }
        }
    }
    if (frogs > 1) throw std::invalid_argument("more than one frog drawn");
    state.startCell = setup.startCell.value_or(state.frogCell);
    state.level = setup.level;
    state.clearedStages = setup.clearedStages;
    state.stuckCount = setup.stuckCount;
    state.gameState = setup.gameState;
    state.board = board;
    return state;
}

std::string pictureOf(const GameState& state) {
    std::ostringstream out;
    std::ostringstream odd;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int cell = cellAt(row, column);
            const char c = letterOf(state.lowerAt(cell), state.upperAt(cell));
            out << c;
            if (c == '?')
                odd << "  cell " << cell << ": lower " << nameOf(state.lowerAt(cell)) << ", upper "
                    << nameOf(state.upperAt(cell)) << "\n";
        }
        out << "\n";
    }
    out << odd.str();
    out << "frogCell " << state.frogCell << ", startCell " << state.startCell << "\n";
    return out.str();
}

::testing::AssertionResult showsPicture(const GameState& state, const Picture& expected) {
    const GameState wanted = stageFrom(expected);
    if (state.lower == wanted.lower && state.upper == wanted.upper)
        return ::testing::AssertionSuccess();
    std::ostringstream drawn;
    for (std::string_view row : expected) drawn << row << "\n";
    return ::testing::AssertionFailure() << "the board is\n"
                                         << pictureOf(state) << "but should be\n"
                                         << drawn.str();
}

std::array<bool, kCells> padsOf(const GameState& state) {
    std::array<bool, kCells> pads{};
    for (int i = 0; i < kCells; ++i)
        pads[static_cast<std::size_t>(i)] = state.lowerAt(i) != Lower::blank;
    return pads;
}

}  // namespace poron::test
