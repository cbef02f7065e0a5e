// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Putting the board's changes into words.
#include "board_narrator.h"

#include <QStringList>

#include "cell_names.h"

namespace poron {

namespace {

// "2行3列、4行5列"
QString places(const std::bitset<kCells>& cells) {
    QStringList list;
    for (int i = 0; i < kCells; ++i)
        if (cells[static_cast<std::size_t>(i)]) list << cellPlace(i);
    return list.join(u'、');
}

int padCount(const GameState& state) {
    int pads = 0;
    for (Lower lower : state.lower) pads += lower != Lower::blank ? 1 : 0;
    return pads;
}

}  // namespace

BoardNarrator::Seen BoardNarrator::look(const GameState& state) const {
    Seen seen;
    seen.stage = stagesLaid_;
    seen.frog = state.board ? state.frogCell : -1;
    for (int i = 0; i < kCells; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (state.lowerAt(i) == Lower::sunk) ++seen.sunk;
        if (state.lowerAt(i) == Lower::target) seen.targets.set(at);
        if (state.upperAt(i) == Upper::curtain) seen.curtains.set(at);
    }
    return seen;
}

QString BoardNarrator::news(const GameState& state) {
    const Seen now = look(state);
    QString words;
    if (now.stage != told_.stage && state.board) {
        words += QStringLiteral("レベル%1：蓮の葉%2枚。カエルは%3。")
                     .arg(state.clearedStages)
                     .arg(padCount(state))
                     .arg(cellPlace(state.frogCell));
    } else if (now.frog != told_.frog && now.frog >= 0) {
        if (now.sunk < told_.sunk)
            words += QStringLiteral("やりなおし：カエルは%1。").arg(cellPlace(now.frog));
        else
            words += QStringLiteral("%1へ跳んだ。").arg(cellPlace(now.frog));
    }
    if (now.curtains.any() && now.curtains != told_.curtains)
        words += QStringLiteral("カーテン：%1。押すとステージクリア。").arg(places(now.curtains));
    else if (now.curtains.none() && now.targets.any() && now.targets != told_.targets)
        words += QStringLiteral("跳べる葉：%1。").arg(places(now.targets));
    told_ = now;
    return words;
}

}  // namespace poron
