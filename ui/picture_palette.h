// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the windows show, each loaded once from the program's resources when first
// needed: the sprites the board cells share, the reward pictures, the dialogs' pictures, the
// icon and pointer. The illustrations come in the scale that matches the screen.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QRegion>
#include <array>
#include <map>
#include <utility>

#include "asset_catalogue.h"
#include "display_states.h"

namespace poron {

// The sprites a board cell can show.
enum class Picture { pad, target, sunk, frog, frogHeart, curtain };
inline constexpr int kPictureCount = 6;
inline constexpr int kRewardPictureCount = 8;

// The scale of the illustrations drawn for a screen with `devicePixelRatio` device pixels per
// logical pixel: the next whole number up, 1 to 3. A picture of that scale carries it as its
// own device pixel ratio, so it keeps its logical size (and every position and click area
// over it stays where it was) while it fills the screen's pixels with real detail.
int illustrationScale(qreal devicePixelRatio);

// Whether a screen shows a whole number of device pixels per logical pixel (1, 2, 3...). On
// such a screen the pictures are drawn as carried; between two whole numbers (1.25, 1.5 and
// 1.75 are common on laptops) each picture is first made at the screen's own size.
bool isWholeScale(qreal devicePixelRatio);

// An illustration for a screen between whole scales: `drawing` (a rendering at a larger scale)
// reduced smoothly, each device pixel the average of the drawing's pixels it covers, to
// exactly round(logicalSize x devicePixelRatio), carrying that ratio. Outlines stay smooth,
// as in a rendering made at that size.
QPixmap smoothlyReduced(const QPixmap& drawing, QSize logicalSize, qreal devicePixelRatio);

// A pixel-art sprite for a screen between whole scales: enlarged pixel for pixel by the whole
// number above the ratio, then reduced smoothly to round(size x devicePixelRatio), carrying
// that ratio. Every sprite pixel then covers the same width of device pixels (1.5 at scale
// 1.5: one whole pixel and half of the next), where drawing it unsmoothed would make some
// sprite pixels one device pixel wide and their neighbours two.
QPixmap evenlyScaledSprite(const QPixmap& sprite, qreal devicePixelRatio);

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
    // What the board draws for `sprite` (one of the palette's sprites) on a screen of
    // `devicePixelRatio`: at a whole scale the sprite itself, which the painter enlarges pixel
    // for pixel; between whole scales its evenly scaled copy, made once per sprite and ratio.
    // The cells still share the sprite: the copy is only how it is drawn.
    const QPixmap& drawnSprite(const QPixmap& sprite, qreal devicePixelRatio) const;
    // imageCG(k), k in 0..7; imageCG(0) is the title picture. Like the dialogs' pictures, it
    // is drawn for `devicePixelRatio` (see illustrationScale); only the scales asked for load.
    // Between whole scales it is the 3x drawing smoothly reduced to the screen's size, made
    // once per picture and ratio (the 3x drawing itself is not kept).
    const QPixmap& reward(int k, qreal devicePixelRatio = 1) const;
    // The curtain's gap, where what lies beneath shows with inverted colours, in cell pixels.
    const QRegion& curtainGap() const;
    const QPixmap& continuePicture(qreal devicePixelRatio = 1) const;
    const QPixmap& stageClearPicture(qreal devicePixelRatio = 1) const;
    const QPixmap& versionPicture(qreal devicePixelRatio = 1) const;
    // The frog at 32 px, and also enlarged pixel for pixel for a screen of scale 2 or 3.
    const QIcon& frogIcon() const;
    const QCursor& pointer() const;

private:
    PicturePalette() = default;

    // The illustrations, in the order of the asset catalogue (rewards 0..7, continue, stage
    // clear, version).
    static constexpr int kIllustrationCount = kRewardPictureCount + 3;
    const QPixmap& illustration(int id, qreal devicePixelRatio) const;

    // A picture and whether it has been loaded yet.
    template <typename T>
    struct Lazy {
        T value;
        bool loaded = false;
    };

    mutable std::array<Lazy<QPixmap>, kPictureCount> sprites_;
    mutable std::array<std::array<Lazy<QPixmap>, assets::kIllustrationScales>, kIllustrationCount> illustrations_;
    // The pictures made for screens between whole scales, by (illustration, ratio) and by
    // (sprite's cache key, ratio).
    mutable std::map<std::pair<int, qreal>, QPixmap> reducedIllustrations_;
    mutable std::map<std::pair<qint64, qreal>, QPixmap> scaledSprites_;
    mutable Lazy<QRegion> curtainGap_;
    mutable Lazy<QIcon> frogIcon_;
    mutable Lazy<QCursor> pointer_;
};

}  // namespace poron
