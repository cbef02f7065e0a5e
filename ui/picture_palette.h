// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the windows show, each loaded once from the program's resources when first
// needed: the sprites the board cells share, the reward pictures, the dialogs' pictures, the
// icon and pointer.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QRegion>
#include <array>

#include "display_states.h"

namespace poron {

// The sprites a board cell can show.
enum class Picture { pad, target, sunk, frog, frogHeart, curtain };
inline constexpr int kPictureCount = 6;
inline constexpr int kRewardPictureCount = 8;

// The sprite of a display state; nullptr for blank (no picture at all).
const QPixmap* spriteFor(Lower state);
const QPixmap* spriteFor(Upper state);

class PicturePalette {
public:
    // The running application's palette, made when first asked for; it goes when the
    // application ends.
    static const PicturePalette& instance();

    // Each picture is loaded from the resources the first time it is asked for and kept for
    // the whole run, so that start-up decodes only what the first paint shows.
    const QPixmap& sprite(Picture picture) const;
    // imageCG(k), k in 0..7; imageCG(0) is the title picture.
    const QPixmap& reward(int k) const;
    // The curtain's gap, where what lies beneath shows with inverted colours, in cell pixels.
    const QRegion& curtainGap() const;
    const QPixmap& continuePicture() const;
    const QPixmap& stageClearPicture() const;
    const QPixmap& versionPicture() const;
    const QIcon& frogIcon() const;
    const QCursor& pointer() const;

private:
    PicturePalette() = default;

    // A picture and whether it has been loaded yet.
    template <typename T>
    struct Lazy {
        T value;
        bool loaded = false;
    };

    mutable std::array<Lazy<QPixmap>, kPictureCount> sprites_;
    mutable std::array<Lazy<QPixmap>, kRewardPictureCount> rewards_;
    mutable Lazy<QRegion> curtainGap_;
    mutable Lazy<QPixmap> continuePicture_;
    mutable Lazy<QPixmap> stageClearPicture_;
    mutable Lazy<QPixmap> versionPicture_;
    mutable Lazy<QIcon> frogIcon_;
    mutable Lazy<QCursor> pointer_;
};

}  // namespace poron
