// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says for a board cell: its place ("3行5列") and what it shows, in
// one table of words that the board and the tests share.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "game_state.h"

namespace poron {

// What a cell shows, as a player who cannot see the board is told: the frog's two poses
// are one thing to hear, a curtain hides the pad under it.
enum class CellShows : std::uint8_t { empty, pad, target, frog, sunk, curtain };
inline constexpr int kCellShowsCount = 6;

struct CellWord {
    CellShows shows;
    const char* key;   // a plain name for the tests' own use
    const char* word;  // what the player hears (UTF-8)
};

// Every word a cell can be given, in the order of CellShows.
inline constexpr std::array<CellWord, kCellShowsCount> kCellWords{{
    {CellShows::empty, "empty", "空き"},
    {CellShows::pad, "pad", "蓮の葉"},
    {CellShows::target, "target", "跳べる葉"},
    {CellShows::frog, "frog", "カエル"},
    {CellShows::sunk, "sunk", "沈んだ葉"},
    {CellShows::curtain, "curtain", "カーテン"},
}};

// What `cell` of `state` shows: the upper layer (frog, curtain) before the lower one.
CellShows cellShows(const GameState& state, int cell);

// "3行5列": the cell's row and column, counted from 1 at the top left.
QString cellPlace(int cell);

// The word for what a cell shows, e.g. "蓮の葉".
QString cellWord(CellShows shows);

// The cell's accessible name: its place, a space, then what it shows: "3行5列 蓮の葉".
QString cellName(int cell, CellShows shows);

}  // namespace poron
