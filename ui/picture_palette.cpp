// Loading the picture palette from the resources compiled into the program.
#include "picture_palette.h"

#include <QBitmap>
#include <QImage>
#include <algorithm>

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

}  // namespace

const PicturePalette& PicturePalette::instance() {
    static const PicturePalette palette;
    return palette;
}

PicturePalette::PicturePalette() {
    sprites_[static_cast<std::size_t>(Picture::pad)] = load(":/sprites/pad.xpm");
    sprites_[static_cast<std::size_t>(Picture::target)] = load(":/sprites/pad_on_blue.xpm");
    sprites_[static_cast<std::size_t>(Picture::sunk)] = load(":/sprites/pad_striped.xpm");
    sprites_[static_cast<std::size_t>(Picture::frog)] = load(":/sprites/frog.xpm");
    sprites_[static_cast<std::size_t>(Picture::frogHeart)] = load(":/sprites/frog_heart.xpm");
    sprites_[static_cast<std::size_t>(Picture::curtain)] = load(":/sprites/curtain.xpm");
    for (int k = 0; k < kRewardPictureCount; ++k)
        rewards_[static_cast<std::size_t>(k)] = QPixmap(QStringLiteral(":/pictures/imageCG%1.png").arg(k));
    curtainGap_ = regionOfOpaquePixels(QImage(QStringLiteral(":/sprites/curtain_gap.xpm")));
    continuePicture_ = load(":/pictures/continue.png");
    stageClearPicture_ = load(":/pictures/stage_clear.png");
    versionPicture_ = load(":/pictures/version_logo.png");
    frogIcon_ = QIcon(load(":/sprites/frog_icon.xpm"));
    // The pointer's hot spot is the tip of the figure's outstretched arm.
    pointer_ = QCursor(load(":/sprites/pointer.xpm"), 2, 15);
}

const QPixmap& PicturePalette::reward(int k) const {
    return rewards_[static_cast<std::size_t>(std::clamp(k, 0, kRewardPictureCount - 1))];
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
