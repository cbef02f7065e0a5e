// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads screenshots of the running game for the end-to-end tests, against the pictures the
// game carries (linked in from the assets library, never taken from the program's screen).
//
//   screen_probe board <shot> <x> <y> <background 0..7>
//       The board whose top-left client pixel is at (x, y): prints 100 tokens, cell 0 first,
//       each the lower layer (. p t s: blank, pad, target, sunk) followed by the upper layer
//       (. f h c: blank, frog, frog with heart, curtain), "??" where the cell's square
//       matches none of them over the background picture's square.
//   screen_probe locate <shot> <x> <y> <w> <h> <picture>
//       Finds the whole picture, pixel for pixel, inside the rectangle (x, y, w, h); prints
//       its offset "dx dy" from (x, y), exit status 1 when it is not there.
//   screen_probe same <shot> <x> <y> <picture> <px> <py> <w> <h>
//       Exit status 0 when the rectangle (px, py, w, h) of the picture is on the screen with
//       its top-left pixel at (x + px, y + py); otherwise prints how many pixels differ.
//   screen_probe bands <shot> <x> <y> <w> <h> rows|columns <min gap>
//       The runs of rows (or columns) of the rectangle that hold dark pixels, as "first last"
//       lines, runs closer than <min gap> joined: where the text of a menu lies.
//
// Pictures are named as in the resources: imageCG0..imageCG7, continue, stage_clear,
// version_logo.
#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kCell = 32;

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "screen_probe: %s\n", why.c_str());
    std::exit(2);
}

QImage loadImage(const QString& path) {
    QImage image(path);
    if (image.isNull()) fail("cannot read " + path.toStdString());
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage picture(const std::string& name) { return loadImage(QStringLiteral(":/pictures/%1.png").arg(QString::fromStdString(name))); }
QImage sprite(const char* name) { return loadImage(QStringLiteral(":/sprites/%1.xpm").arg(QString::fromLatin1(name))); }

int number(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0') fail(std::string("not a number: ") + text);
    return static_cast<int>(value);
}

QRgb opaque(QRgb pixel) { return pixel | 0xff000000u; }

// Draws a sprite over a 32 x 32 square: its opaque pixels replace what is there, its
// transparent ones leave it.
void drawOver(QImage& square, const QImage& picture) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) == 255) {
                square.setPixel(x, y, p);
            } else if (qAlpha(p) != 0) {
                const QRgb b = square.pixel(x, y);
                const int a = qAlpha(p);
                auto mix = [a](int top, int bottom) { return (top * a + bottom * (255 - a) + 127) / 255; };
                square.setPixel(x, y, qRgb(mix(qRed(p), qRed(b)), mix(qGreen(p), qGreen(b)), mix(qBlue(p), qBlue(b))));
            }
        }
}

// How many pixels of `shot` at (x, y) differ from `expected` (w x h from (px, py)).
long differingPixels(const QImage& shot, int x, int y, const QImage& expected, int px, int py, int w, int h,
                     long stopAfter = -1) {
    long differing = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int sx = x + i;
            const int sy = y + j;
            const bool on = sx >= 0 && sy >= 0 && sx < shot.width() && sy < shot.height();
            if (!on || opaque(shot.pixel(sx, sy)) != opaque(expected.pixel(px + i, py + j))) {
                if (++differing == stopAfter) return differing;
            }
        }
    return differing;
}

int board(const QImage& shot, int x0, int y0, int background) {
    if (background < 0 || background > 7) fail("the background is one of 0..7");
    const QImage scene = picture("imageCG" + std::to_string(background));
    struct Layer {
        char code;
        QImage image;  // null for blank
    };
    const std::array<Layer, 4> lower{{{'.', {}}, {'p', sprite("pad")}, {'t', sprite("pad_on_blue")},
                                      {'s', sprite("pad_striped")}}};
    const std::array<Layer, 4> upper{{{'.', {}}, {'f', sprite("frog")}, {'h', sprite("frog_heart")},
                                      {'c', sprite("curtain")}}};
    const QImage gap = sprite("curtain_gap");

    std::string out;
    for (int cell = 0; cell < 100; ++cell) {
        const int cx = kCell * (cell % 10);
        const int cy = kCell * (cell / 10);
        std::string token = "??";
        for (const Layer& low : lower) {
            for (const Layer& up : upper) {
                QImage square = scene.copy(cx, cy, kCell, kCell);
                if (!low.image.isNull()) drawOver(square, low.image);
                if (!up.image.isNull()) drawOver(square, up.image);
                if (up.code == 'c') {
                    // The curtain's gap shows what lies beneath with inverted colours.
                    for (int y = 0; y < kCell; ++y)
                        for (int x = 0; x < kCell; ++x)
                            if (qAlpha(gap.pixel(x, y)) != 0) square.setPixel(x, y, square.pixel(x, y) ^ 0x00ffffffu);
                }
                if (differingPixels(shot, x0 + cx, y0 + cy, square, 0, 0, kCell, kCell, 1) == 0) {
                    token = {low.code, up.code};
                    break;
                }
            }
            if (token != "??") break;
        }
        out += (cell ? " " : "") + token;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}

int locate(const QImage& shot, int x, int y, int w, int h, const QImage& wanted) {
    for (int dy = 0; dy + wanted.height() <= h; ++dy)
        for (int dx = 0; dx + wanted.width() <= w; ++dx)
            if (differingPixels(shot, x + dx, y + dy, wanted, 0, 0, wanted.width(), wanted.height(), 1) == 0) {
                std::printf("%d %d\n", dx, dy);
                return 0;
            }
    return 1;
}

int same(const QImage& shot, int x, int y, const QImage& wanted, int px, int py, int w, int h) {
    if (px < 0 || py < 0 || px + w > wanted.width() || py + h > wanted.height()) fail("the rectangle leaves the picture");
    const long differing = differingPixels(shot, x + px, y + py, wanted, px, py, w, h);
    if (differing == 0) return 0;
    std::printf("%ld of %d pixels differ\n", differing, w * h);
    return 1;
}

int bands(const QImage& shot, int x, int y, int w, int h, bool rows, int minGap) {
    if (x < 0 || y < 0 || w < 1 || h < 1 || x + w > shot.width() || y + h > shot.height())
        fail("the rectangle leaves the screenshot");
    const int length = rows ? h : w;
    std::vector<bool> dark(static_cast<std::size_t>(length), false);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QColor colour(shot.pixel(x + i, y + j));
            if (colour.lightness() < 96) dark[static_cast<std::size_t>(rows ? j : i)] = true;
        }
    int first = -1;
    int last = -1;
    for (int k = 0; k < length; ++k) {
        if (!dark[static_cast<std::size_t>(k)]) continue;
        if (first >= 0 && k - last > minGap) {
            std::printf("%d %d\n", first, last);
            first = -1;
        }
        if (first < 0) first = k;
        last = k;
    }
    if (first >= 0) std::printf("%d %d\n", first, last);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) fail("usage: screen_probe board|locate|same|bands <shot> ...");
    const std::string command = argv[1];
    const QImage shot = loadImage(QString::fromLocal8Bit(argv[2]));
    if (command == "board" && argc == 6) return board(shot, number(argv[3]), number(argv[4]), number(argv[5]));
    if (command == "locate" && argc == 8)
        return locate(shot, number(argv[3]), number(argv[4]), number(argv[5]), number(argv[6]), picture(argv[7]));
    if (command == "same" && argc == 10)
        return same(shot, number(argv[3]), number(argv[4]), picture(argv[5]), number(argv[6]), number(argv[7]),
                    number(argv[8]), number(argv[9]));
    if (command == "bands" && argc == 9) {
        const std::string axis = argv[7];
        if (axis != "rows" && axis != "columns") fail("bands along rows or columns");
        return bands(shot, number(argv[3]), number(argv[4]), number(argv[5]), number(argv[6]), axis == "rows",
                     number(argv[8]));
    }
    fail("unknown command or wrong number of arguments: " + command);
}
