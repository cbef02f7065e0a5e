// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the picture palette from the resources compiled into the program.
#include "picture_palette.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <memory>

namespace poron {

namespace {

QPixmap load(const char* path) { return QPixmap(QString::fromLatin1(path)); }

// The opaque pixels of a mask picture as a region.
QRegion regionOfOpaquePixels(const QImage& mask) {
    QRegion region;
    const QImage image = mask.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        int runStart = -1;
        for (int x = 0; x <= image.width(); ++x) {
            const bool opaque = x < image.width() && qAlpha(image.pixel(x, y)) != 0;
            if (opaque && runStart < 0) runStart = x;
            if (!opaque && runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return region;
}

// The picture held by `slot`, made by `make` the first time it is asked for.
template <typename Slot, typename Make>
const auto& loadOnce(Slot& slot, Make make) {
    if (!slot.loaded) {
        slot.value = make();
        slot.loaded = true;
    }
    return slot.value;
}

}  // namespace

const PicturePalette& PicturePalette::instance() {
    // The pictures belong to the application: they go when it ends, while the window system
    // they were made for is still there, not after it among the program's statics.
    static std::unique_ptr<const PicturePalette> palette;
    if (!palette) {
        palette.reset(new PicturePalette);
        qAddPostRoutine([] { palette.reset(); });
    }
    return *palette;
}

const QPixmap& PicturePalette::sprite(Picture picture) const {
    static constexpr std::array<const char*, kPictureCount> paths{
        ":/sprites/pad.xpm",  ":/sprites/pad_on_blue.xpm", ":/sprites/pad_striped.xpm",
        ":/sprites/frog.xpm", ":/sprites/frog_heart.xpm",  ":/sprites/curtain.xpm",
    };
    const auto k = static_cast<std::size_t>(picture);
    return loadOnce(sprites_[k], [&] { return load(paths[k]); });
}

const QPixmap& PicturePalette::reward(int k) const {
    const int shown = std::clamp(k, 0, kRewardPictureCount - 1);
    return loadOnce(rewards_[static_cast<std::size_t>(shown)],
                    [&] { return QPixmap(QStringLiteral(":/pictures/imageCG%1.png").arg(shown)); });
}

const QRegion& PicturePalette::curtainGap() const {
    return loadOnce(curtainGap_,
                    [] { return regionOfOpaquePixels(QImage(QStringLiteral(":/sprites/curtain_gap.xpm"))); });
}

const QPixmap& PicturePalette::continuePicture() const {
    return loadOnce(continuePicture_, [] { return load(":/pictures/continue.png"); });
}

const QPixmap& PicturePalette::stageClearPicture() const {
    return loadOnce(stageClearPicture_, [] { return load(":/pictures/stage_clear.png"); });
}

const QPixmap& PicturePalette::versionPicture() const {
    return loadOnce(versionPicture_, [] { return load(":/pictures/version_logo.png"); });
}

const QIcon& PicturePalette::frogIcon() const {
    return loadOnce(frogIcon_, [] { return QIcon(load(":/sprites/frog_icon.xpm")); });
}

const QCursor& PicturePalette::pointer() const {
    // The pointer's hot spot is the tip of the figure's outstretched arm.
    return loadOnce(pointer_, [] { return QCursor(load(":/sprites/pointer.xpm"), 2, 15); });
}

const QPixmap* spriteFor(Lower state) {
    const PicturePalette& palette = PicturePalette::instance();
    switch (state) {
        case Lower::blank: return nullptr;
        case Lower::pad: return &palette.sprite(Picture::pad);
        case Lower::target: return &palette.sprite(Picture::target);
        case Lower::sunk: return &palette.sprite(Picture::sunk);
    }
    return nullptr;
}

const QPixmap* spriteFor(Upper state) {
    const PicturePalette& palette = PicturePalette::instance();
    switch (state) {
        case Upper::blank: return nullptr;
        case Upper::frog: return &palette.sprite(Picture::frog);
        case Upper::frogHeart: return &palette.sprite(Picture::frogHeart);
        case Upper::curtain: return &palette.sprite(Picture::curtain);
    }
    return nullptr;
}

}  // namespace poron
