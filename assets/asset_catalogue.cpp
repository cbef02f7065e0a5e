// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture list behind asset_catalogue.h.
#include "asset_catalogue.h"

namespace poron::assets {
namespace {

constexpr CataloguedPicture kPictures[] = {
    {":/pictures/imageCG0.png", "imageCG0 title", false},
    {":/pictures/imageCG1.png", "imageCG1 cheerful", false},
    {":/pictures/imageCG2.png", "imageCG2 worn out", false},
    {":/pictures/imageCG3.png", "imageCG3 tearful", false},
    {":/pictures/imageCG4.png", "imageCG4 frightened", false},
    {":/pictures/imageCG5.png", "imageCG5 shy", false},
    {":/pictures/imageCG6.png", "imageCG6 dragonfly", false},
    {":/pictures/imageCG7.png", "imageCG7 stream", false},
    {":/pictures/continue.png", "continue", false},
    {":/pictures/stage_clear.png", "stage_clear", false},
    {":/pictures/version_logo.png", "version_logo", false},
    {":/sprites/pad.xpm", "pad", true},
    {":/sprites/pad_on_blue.xpm", "pad_on_blue", true},
    {":/sprites/pad_striped.xpm", "pad_striped", true},
    {":/sprites/frog.xpm", "frog", true},
    {":/sprites/frog_heart.xpm", "frog_heart", true},
    {":/sprites/curtain.xpm", "curtain", true},
    {":/sprites/curtain_gap.xpm", "curtain_gap", true},
    {":/sprites/frog_icon.xpm", "frog_icon", true},
    {":/sprites/pointer.xpm", "pointer", true},
};

} // namespace

std::span<const CataloguedPicture> catalogue()
{
    return kPictures;
}

QString atScale(const QString &illustrationPath, int scale)
{
    QString path = illustrationPath;
    if (scale > 1)
        path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    return path;
}

} // namespace poron::assets
