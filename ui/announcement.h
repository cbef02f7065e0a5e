// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken news for screen readers: a message that a listener reads out as it comes. Qt sends
// such messages from version 6.8 on; built with an older Qt, the game sends none, and what
// changed can only be read from the windows.
#pragma once

#include <QString>
#include <QtGlobal>

class QObject;

namespace poron {

inline constexpr bool kCanAnnounce = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

enum class Urgency {
    polite,     // after whatever the screen reader is saying
    assertive,  // at once, over it
};

// Whether an announcement would reach anyone: Qt can send one and a screen reader (or any
// assistive technology) listens. Everything that only makes words for announcements asks
// this first, so that nothing is made for nobody.
bool announcementsHeard();

// Sends `message` as an announcement from `from`'s accessible object; does nothing when
// announcementsHeard() is false or the message is empty.
void announce(QObject* from, const QString& message, Urgency urgency = Urgency::polite);

}  // namespace poron
