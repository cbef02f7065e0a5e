// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list of every picture the game carries, by resource path, for code that
// wants to walk all of them (the contact sheet, for one).
#pragma once

#include <span>

namespace poron::assets {

struct CataloguedPicture {
    const char *path;  // Qt resource path, e.g. ":/sprites/frog.xpm"
    const char *label; // short name for people
    bool sprite;       // a 32 x 32 board sprite (or the icon / pointer)
};

// Illustrations first (title, rewards 1..7, continue, stage clear, logo),
// then the sprites.
std::span<const CataloguedPicture> catalogue();

} // namespace poron::assets
