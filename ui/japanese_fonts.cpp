// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a Japanese Gothic face among those installed.
#include "japanese_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace poron {

namespace {

QString firstInstalled(Pitch pitch) {
    const QStringList families = QFontDatabase::families();
    const QStringList preferred = pitch == Pitch::proportional
        ? QStringList{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAexGothic")}
        : QStringList{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")};
    for (const QString& family : preferred)
        if (families.contains(family)) return family;
    // Any Japanese Gothic face of the same kind, then any Japanese face at all.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& family : japanese) {
        const bool gothic = family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
                            family.contains(QStringLiteral("ゴシック"));
        if (gothic && QFontDatabase::isFixedPitch(family) == (pitch == Pitch::monospaced)) return family;
    }
    return japanese.isEmpty() ? QString() : japanese.first();
}

}  // namespace

QFont japaneseGothic(Pitch pitch, int pixelSize, QFont::Weight weight) {
    static const QString proportional = firstInstalled(Pitch::proportional);
    static const QString monospaced = firstInstalled(Pitch::monospaced);
    QFont font;
    const QString& family = pitch == Pitch::proportional ? proportional : monospaced;
    if (!family.isEmpty()) font.setFamilies({family});
    font.setStyleHint(pitch == Pitch::monospaced ? QFont::TypeWriter : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

}  // namespace poron
