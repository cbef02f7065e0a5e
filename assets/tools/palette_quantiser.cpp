// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Median-cut palette reduction with a few rounds of k-means refinement.
#include "palette_quantiser.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace poron {
namespace {

struct Colour {
    QRgb rgb;
    qint64 count;
};

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted towards green, the channel the eye sees best.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Box {
    int begin, end; // range in the colour list
    qint64 weight;
    int axis;
    int range;
};

Box describe(std::vector<Colour> &colours, int begin, int end)
{
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    qint64 weight = 0;
    for (int i = begin; i < end; ++i) {
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], channel(colours[i].rgb, a));
            hi[a] = std::max(hi[a], channel(colours[i].rgb, a));
        }
        weight += colours[i].count;
    }
    int axis = 0;
    for (int a = 1; a < 3; ++a)
        if (hi[a] - lo[a] > hi[axis] - lo[axis])
            axis = a;
    return {begin, end, weight, axis, hi[axis] - lo[axis]};
}

std::vector<QRgb> medianCut(std::vector<Colour> &colours, int wanted)
{
    std::vector<Box> boxes{describe(colours, 0, int(colours.size()))};
    while (int(boxes.size()) < wanted) {
        // Split the box that covers the most pixels over the widest range.
        auto it = std::max_element(boxes.begin(), boxes.end(), [](const Box &a, const Box &b) {
            const auto score = [](const Box &x) { return x.end - x.begin < 2 ? -1.0 : double(x.weight) * x.range; };
            return score(a) < score(b);
        });
        if (it->end - it->begin < 2)
            break;
        Box box = *it;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [&](const Colour &a, const Colour &b) { return channel(a.rgb, box.axis) < channel(b.rgb, box.axis); });
        qint64 half = 0;
        int cut = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            half += colours[i].count;
            cut = i + 1;
            if (half * 2 >= box.weight)
                break;
        }
        *it = describe(colours, box.begin, cut);
        boxes.push_back(describe(colours, cut, box.end));
    }
    std::vector<QRgb> palette;
    for (const Box &b : boxes) {
        double r = 0, g = 0, bl = 0;
        for (int i = b.begin; i < b.end; ++i) {
            r += qRed(colours[i].rgb) * double(colours[i].count);
            g += qGreen(colours[i].rgb) * double(colours[i].count);
            bl += qBlue(colours[i].rgb) * double(colours[i].count);
        }
        palette.push_back(qRgb(int(r / b.weight + 0.5), int(g / b.weight + 0.5), int(bl / b.weight + 0.5)));
    }
    return palette;
}

int nearest(const std::vector<QRgb> &palette, QRgb c)
{
    int best = 0, bestD = distance2(palette[0], c);
    for (int i = 1; i < int(palette.size()) && bestD > 0; ++i) {
        const int d = distance2(palette[i], c);
        if (d < bestD) {
            best = i;
            bestD = d;
        }
    }
    return best;
}

// Each pixel takes the nearest palette entry.
void mapInto(const QImage &source, const std::vector<Colour> &colours, const std::vector<QRgb> &palette, QImage &out)
{
    QHash<QRgb, int> index;
    for (const Colour &c : colours)
        index.insert(c.rgb, nearest(palette, c.rgb));
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            dst[x] = uchar(index.value(line[x] | 0xff000000u));
    }
}

// Light Floyd-Steinberg dithering: half of each pixel's rounding error goes on to its
// neighbours, and a pixel whose colour is in the palette takes it exactly and passes nothing
// on, so flat areas, lettering and outlines stay clean while gradients lose their bands.
void ditherInto(const QImage &source, const std::vector<QRgb> &palette, QImage &out)
{
    constexpr float kShare = 0.5f; // of the error that is passed on
    constexpr float kLimit = 12.f; // largest carried error per channel
    QHash<QRgb, int> exact;
    for (int k = 0; k < int(palette.size()); ++k)
        exact.insert(palette[size_t(k)] | 0xff000000u, k);
    const int w = source.width();
    std::vector<std::array<float, 3>> here(size_t(w + 2), {0, 0, 0}), below(size_t(w + 2), {0, 0, 0});
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x] | 0xff000000u;
            if (const auto it = exact.constFind(c); it != exact.cend()) {
                dst[x] = uchar(it.value());
                continue;
            }
            std::array<float, 3> want{};
            for (int a = 0; a < 3; ++a)
                want[size_t(a)] = std::clamp(float(channel(c, a)) + std::clamp(here[size_t(x + 1)][size_t(a)], -kLimit, kLimit), 0.f, 255.f);
            const int k = nearest(palette, qRgb(int(want[0] + 0.5f), int(want[1] + 0.5f), int(want[2] + 0.5f)));
            dst[x] = uchar(k);
            for (int a = 0; a < 3; ++a) {
                const float e = kShare * (want[size_t(a)] - float(channel(palette[size_t(k)], a)));
                here[size_t(x + 2)][size_t(a)] += e * 7 / 16;
                below[size_t(x)][size_t(a)] += e * 3 / 16;
                below[size_t(x + 1)][size_t(a)] += e * 5 / 16;
                below[size_t(x + 2)][size_t(a)] += e * 1 / 16;
            }
        }
        here.swap(below);
        std::fill(below.begin(), below.end(), std::array<float, 3>{0, 0, 0});
    }
}

} // namespace

QImage quantiseTo256(const QImage &picture, Dither dither)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    std::vector<Colour> colours;
    colours.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        colours.push_back({it.key(), it.value()});
    // A hash is walked in a different order on every run: sort, so that the same picture
    // always gets the same palette and the build gives the same files every time.
    std::sort(colours.begin(), colours.end(), [](const Colour &a, const Colour &b) { return a.rgb < b.rgb; });

    std::vector<QRgb> palette;
    if (colours.size() <= 256) {
        for (const Colour &c : colours)
            palette.push_back(c.rgb);
    } else {
        palette = medianCut(colours, 256);
        // Refine: each entry moves to the mean of the colours nearest to it,
        // or onto the colour that makes up most of its group.
        for (int round = 0; round < 6; ++round) {
            std::vector<std::array<double, 3>> sum(palette.size(), {0, 0, 0});
            std::vector<qint64> weight(palette.size(), 0);
            std::vector<Colour> heaviest(palette.size(), {0, 0});
            for (const Colour &c : colours) {
                const int k = nearest(palette, c.rgb);
                sum[k][0] += qRed(c.rgb) * double(c.count);
                sum[k][1] += qGreen(c.rgb) * double(c.count);
                sum[k][2] += qBlue(c.rgb) * double(c.count);
                weight[k] += c.count;
                if (c.count > heaviest[k].count)
                    heaviest[k] = c;
            }
            for (size_t k = 0; k < palette.size(); ++k) {
                if (weight[k] == 0)
                    continue;
                if (heaviest[k].count * 2 >= weight[k])
                    palette[k] = heaviest[k].rgb;
                else
                    palette[k] = qRgb(int(sum[k][0] / weight[k] + 0.5), int(sum[k][1] / weight[k] + 0.5),
                                      int(sum[k][2] / weight[k] + 0.5));
            }
        }
        std::sort(palette.begin(), palette.end());
        palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    }

    QImage out(source.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (QRgb c : palette)
        table.append(c | 0xff000000u);
    out.setColorTable(table);
    if (dither == Dither::light)
        ditherInto(source, palette, out);
    else
        mapInto(source, colours, palette, out);
    return out;
}

} // namespace poron
