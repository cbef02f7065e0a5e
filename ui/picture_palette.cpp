// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the picture palette from the resources compiled into the program.
#include "picture_palette.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>

#include "asset_catalogue.h"

namespace poron {

namespace {

QPixmap load(const char* path) { return QPixmap(QString::fromLatin1(path)); }

// The illustrations are the first entries of the asset catalogue: the reward pictures 0..7,
// then the dialogs' pictures.
constexpr int kContinue = 8;
constexpr int kStageClear = 9;
constexpr int kVersion = 10;

// A sprite enlarged by a whole number, every pixel a square block: pixel art stays sharp.
QPixmap enlarged(const QPixmap& sprite, int scale) {
    return sprite.scaled(sprite.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

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

int illustrationScale(qreal devicePixelRatio) {
    return std::clamp(static_cast<int>(std::ceil(devicePixelRatio - 0.01)), 1, assets::kIllustrationScales);
}

bool isWholeScale(qreal devicePixelRatio) {
    return std::abs(devicePixelRatio - std::round(devicePixelRatio)) < 0.01;
}

QPixmap smoothlyReduced(const QPixmap& drawing, QSize logicalSize, qreal devicePixelRatio) {
    const QSize size(qRound(logicalSize.width() * devicePixelRatio), qRound(logicalSize.height() * devicePixelRatio));
    // The carried drawings are palette pictures: averaging wants full colour.
    const QImage source = drawing.toImage().convertToFormat(QImage::Format_RGB32);
    QPixmap reduced = QPixmap::fromImage(source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    reduced.setDevicePixelRatio(devicePixelRatio);
    return reduced;
}

QPixmap evenlyScaledSprite(const QPixmap& sprite, qreal devicePixelRatio) {
    const int whole = std::max(1, static_cast<int>(std::ceil(devicePixelRatio)));
    const QSize size(qRound(sprite.width() * devicePixelRatio), qRound(sprite.height() * devicePixelRatio));
    const QImage blocks = sprite.toImage()
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(sprite.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPixmap scaled = QPixmap::fromImage(blocks.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

const QPixmap& PicturePalette::drawnSprite(const QPixmap& sprite, qreal devicePixelRatio) const {
    if (isWholeScale(devicePixelRatio)) return sprite;
    const auto key = std::make_pair(sprite.cacheKey(), devicePixelRatio);
    auto found = scaledSprites_.find(key);
    if (found == scaledSprites_.end())
        found = scaledSprites_.emplace(key, evenlyScaledSprite(sprite, devicePixelRatio)).first;
    return found->second;
}

const QPixmap& PicturePalette::illustration(int id, qreal devicePixelRatio) const {
    if (!isWholeScale(devicePixelRatio)) {
        const auto key = std::make_pair(id, devicePixelRatio);
        auto found = reducedIllustrations_.find(key);
        if (found == reducedIllustrations_.end()) {
            // From the largest drawing carried: reducing 3x to 1.25, 1.5 or 1.75 averages two
            // to six of its pixels into each, close to a rendering made at that very size.
            // (Above scale 3 the same call enlarges it smoothly.)
            const char* path = assets::catalogue()[static_cast<std::size_t>(id)].path;
            const QPixmap drawing(assets::atScale(QString::fromLatin1(path), assets::kIllustrationScales));
            const QSize logicalSize = drawing.size() / assets::kIllustrationScales;
            found = reducedIllustrations_.emplace(key, smoothlyReduced(drawing, logicalSize, devicePixelRatio)).first;
        }
        return found->second;
    }
    const int scale = illustrationScale(devicePixelRatio);
    auto& slot = illustrations_[static_cast<std::size_t>(id)][static_cast<std::size_t>(scale - 1)];
    return loadOnce(slot, [&] {
        const char* path = assets::catalogue()[static_cast<std::size_t>(id)].path;
        QPixmap picture(assets::atScale(QString::fromLatin1(path), scale));
        picture.setDevicePixelRatio(scale);
        return picture;
    });
}

const QPixmap& PicturePalette::reward(int k, qreal devicePixelRatio) const {
    return illustration(std::clamp(k, 0, kRewardPictureCount - 1), devicePixelRatio);
}

const QRegion& PicturePalette::curtainGap() const {
    return loadOnce(curtainGap_,
                    [] { return regionOfOpaquePixels(QImage(QStringLiteral(":/sprites/curtain_gap.xpm"))); });
}

const QPixmap& PicturePalette::continuePicture(qreal devicePixelRatio) const {
    return illustration(kContinue, devicePixelRatio);
}

const QPixmap& PicturePalette::stageClearPicture(qreal devicePixelRatio) const {
    return illustration(kStageClear, devicePixelRatio);
}

const QPixmap& PicturePalette::versionPicture(qreal devicePixelRatio) const {
    return illustration(kVersion, devicePixelRatio);
}

const QIcon& PicturePalette::frogIcon() const {
    return loadOnce(frogIcon_, [] {
        // On a screen of scale 2 or 3 the icon is shown that many times larger: give it the
        // frog enlarged pixel for pixel rather than let the desktop smooth it. At scale 1 the
        // 32 px frog is all there is, and nothing more is held.
        const QPixmap frog = load(":/sprites/frog_icon.xpm");
        QIcon icon(frog);
        const int scale = illustrationScale(qGuiApp->devicePixelRatio());
        if (scale > 1) icon.addPixmap(enlarged(frog, scale));
        return icon;
    });
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
