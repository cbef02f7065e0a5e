// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Review tool: draws every carried picture on one sheet, each with its name,
// and saves it: the illustrations at 1x, then as drawn for a screen of scale 2
// (the whole picture for the dialogs, the middle half of each 320 x 320
// picture, pixel for pixel), then the sprites at 1x and 4x.
//
//   poron_contact_sheet OUT.png
#include "asset_catalogue.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kMargin = 12;
constexpr int kLabel = 18;
constexpr int kSheetWidth = 4 * 320 + 5 * kMargin;

// A light checkerboard, so that transparent pixels show as such.
void checkerboard(QPainter &p, const QRect &r, int square)
{
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += square)
        for (int x = r.left(); x <= r.right(); x += square)
            p.fillRect(x, y, square, square, ((x - r.left()) / square + (y - r.top()) / square) % 2 ? QColor(200, 200, 200) : QColor(236, 236, 236));
    p.restore();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QDir::temp().filePath("poron-contact-sheet-runtime").toLocal8Bit());
    QGuiApplication app(argc, argv);

    // Lay out: illustrations in rows of four, then the sprites in a row.
    struct Placed {
        QImage image;
        QString label;
        QPoint at;
        int scale;
    };
    QList<Placed> placed;
    int x = kMargin, y = kMargin, rowHeight = 0;
    auto place = [&](const QImage &image, const QString &label, int scale) {
        const QSize size = image.size() * scale;
        const int w = std::max(size.width(), 70);
        if (x + w > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kLabel + kMargin;
            rowHeight = 0;
        }
        placed.append({image, label, QPoint(x, y), scale});
        x += w + kMargin;
        rowHeight = std::max(rowHeight, size.height());
    };
    auto newRow = [&] { x = kSheetWidth; };
    QList<const poron::assets::CataloguedPicture *> illustrations, sprites;
    for (const auto &entry : poron::assets::catalogue())
        (entry.sprite ? sprites : illustrations).append(&entry);
    for (const auto *entry : illustrations) {
        const QImage image(QString::fromLatin1(entry->path));
        if (image.isNull()) {
            std::fprintf(stderr, "%s: missing %s\n", argv[0], entry->path);
            return 1;
        }
        place(image, QString::fromLatin1(entry->label), 1);
    }
    newRow();
    for (const auto *entry : illustrations) {
        QImage image(poron::assets::atScale(QString::fromLatin1(entry->path), 2));
        if (image.isNull()) {
            std::fprintf(stderr, "%s: missing %s at 2x\n", argv[0], entry->path);
            return 1;
        }
        image.setDevicePixelRatio(1); // shown pixel for pixel, not at its logical size
        QString label = QString::fromLatin1(entry->label) + QStringLiteral(" 2x");
        if (image.width() > 2 * 320 - 1) {
            image = image.copy(image.width() / 4, image.height() / 4, image.width() / 2, image.height() / 2);
            label += QStringLiteral(", middle");
        }
        place(image, label, 1);
    }
    newRow();
    for (const auto *entry : sprites)
        place(QImage(QString::fromLatin1(entry->path)), QString::fromLatin1(entry->label), 1);
    newRow();
    for (const auto *entry : sprites)
        place(QImage(QString::fromLatin1(entry->path)), QString::fromLatin1(entry->label) + QStringLiteral(" 4x"), 4);
    const int height = y + rowHeight + kLabel + kMargin;

    QImage sheet(kSheetWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 250));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    for (const Placed &item : placed) {
        const QRect r(item.at, item.image.size() * item.scale);
        checkerboard(p, r, 4 * item.scale);
        p.drawImage(r, item.image);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRect(r.left(), r.bottom() + 3, std::max(r.width(), 70) + kMargin - 2, kLabel - 4),
                   Qt::AlignLeft | Qt::AlignVCenter, item.label);
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("contact sheet: %s\n", argv[1]);
    return 0;
}
