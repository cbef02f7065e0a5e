// Every picture the windows show, loaded once from the program's resources: the sprites
// the board cells share, the reward pictures, the dialogs' pictures, the icon and pointer.
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
    // Loaded on first use, kept for the whole run.
    static const PicturePalette& instance();

    const QPixmap& sprite(Picture picture) const { return sprites_[static_cast<std::size_t>(picture)]; }
    // imageCG(k), k in 0..7; imageCG(0) is the title picture.
    const QPixmap& reward(int k) const;
    // The curtain's gap, where what lies beneath shows with inverted colours, in cell pixels.
    const QRegion& curtainGap() const { return curtainGap_; }
    const QPixmap& continuePicture() const { return continuePicture_; }
    const QPixmap& stageClearPicture() const { return stageClearPicture_; }
    const QPixmap& versionPicture() const { return versionPicture_; }
    const QIcon& frogIcon() const { return frogIcon_; }
    const QCursor& pointer() const { return pointer_; }

private:
    PicturePalette();

    std::array<QPixmap, kPictureCount> sprites_;
    std::array<QPixmap, kRewardPictureCount> rewards_;
    QRegion curtainGap_;
    QPixmap continuePicture_;
    QPixmap stageClearPicture_;
    QPixmap versionPicture_;
    QIcon frogIcon_;
    QCursor pointer_;
};

}  // namespace poron
