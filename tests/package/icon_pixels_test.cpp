// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The frog icon in every theme size: each PNG is the 32 × 32 pixel art with
// every pixel, transparency included, enlarged to an equal square block.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

namespace {

QImage loadArgb(const QString& path) {
    const QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

TEST(FrogIcon, EverySizeEnlargesEachSourcePixelToASquareBlock) {
    const QImage source = loadArgb(QStringLiteral(PORON_ICON_SOURCE));
    ASSERT_FALSE(source.isNull()) << PORON_ICON_SOURCE;
    ASSERT_EQ(source.size(), QSize(32, 32));

    for (const int size : {32, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QString path = QStringLiteral(PORON_ICON_DIR "/%1x%1/" PORON_APP_ID ".png").arg(size);
        const QImage original(path);
        ASSERT_FALSE(original.isNull()) << path.toStdString();
        const QImage icon = original.convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));

        const int factor = size / 32;
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb want = source.pixel(x / factor, y / factor);
                const QRgb got = icon.pixel(x, y);
                if (got != want && wrong++ < 5) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << got
                                  << ", the art has " << want;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "pixels that differ from the enlarged art";
    }
}

}  // namespace
