// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Announcements through Qt's accessibility, where this Qt has them.
#include "announcement.h"

#include <QAccessible>

namespace poron {

bool announcementsHeard() { return kCanAnnounce && QAccessible::isActive(); }

void announce(QObject* from, const QString& message, Urgency urgency) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!from || message.isEmpty() || !announcementsHeard()) return;
    QAccessibleAnnouncementEvent event(from, message);
    event.setPoliteness(urgency == Urgency::assertive ? QAccessible::AnnouncementPoliteness::Assertive
                                                      : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(from);
    Q_UNUSED(message);
    Q_UNUSED(urgency);
#endif
}

}  // namespace poron
