// Every picture of the catalogue is carried in the program and loads at its
// exact size.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace {

struct Expected {
    const char *path;
    int width;
    int height;
};

const Expected kCatalogue[] = {
    {":/pictures/imageCG0.png", 320, 320},   {":/pictures/imageCG1.png", 320, 320},
    {":/pictures/imageCG2.png", 320, 320},   {":/pictures/imageCG3.png", 320, 320},
    {":/pictures/imageCG4.png", 320, 320},   {":/pictures/imageCG5.png", 320, 320},
    {":/pictures/imageCG6.png", 320, 320},   {":/pictures/imageCG7.png", 320, 320},
    {":/pictures/continue.png", 193, 113},   {":/pictures/stage_clear.png", 209, 113},
    {":/pictures/version_logo.png", 200, 120}, {":/sprites/pad.xpm", 32, 32},
    {":/sprites/pad_on_blue.xpm", 32, 32},   {":/sprites/pad_striped.xpm", 32, 32},
    {":/sprites/frog.xpm", 32, 32},          {":/sprites/frog_heart.xpm", 32, 32},
    {":/sprites/curtain.xpm", 32, 32},       {":/sprites/curtain_gap.xpm", 32, 32},
    {":/sprites/frog_icon.xpm", 32, 32},     {":/sprites/pointer.xpm", 32, 32},
};

TEST(Resources, EveryPictureLoadsAtItsExactSize)
{
    for (const Expected &e : kCatalogue) {
        SCOPED_TRACE(e.path);
        const QImage image(QString::fromLatin1(e.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
    }
}

} // namespace
