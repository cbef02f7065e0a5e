// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list of every picture the game carries, by resource path, for code that
// wants to walk all of them (the contact sheet, for one), and the names of the
// illustrations drawn for screens of higher pixel density.
#pragma once

#include <QString>
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

// Every illustration is also carried at 2x and 3x its size, for screens with that many
// device pixels per logical pixel: ":/pictures/continue.png" at scale 2 is
// ":/pictures/continue@2x.png". Scale 1 gives the path itself.
inline constexpr int kIllustrationScales = 3;
QString atScale(const QString &illustrationPath, int scale);

} // namespace poron::assets
