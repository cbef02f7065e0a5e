// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Listening to Qt's accessibility events inside a test.
#include "accessibility_fixture.h"

#include <QTest>

namespace poron::test {

namespace {

std::vector<HeardEvent>& events() {
    static std::vector<HeardEvent> all;
    return all;
}

void record(QAccessibleEvent* event) {
    HeardEvent heard{event->type(), event->accessibleInterface(), {}, {}};
    if (heard.about) heard.name = heard.about->text(QAccessible::Name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        heard.message = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
    events().push_back(heard);
}

}  // namespace

void AccessibilityOn::SetUp() {
    events().clear();
    previous_ = QAccessible::installUpdateHandler(&record);
    // Qt switches its accessibility on once it has reached the session's accessibility bus.
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 30'000))
        << "Qt's accessibility is not on: run these tests in a D-Bus session with the accessibility bus "
           "and QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, on a display server (not offscreen)";
}

void AccessibilityOn::TearDown() {
    QAccessible::installUpdateHandler(previous_);
    events().clear();
}

const std::vector<HeardEvent>& AccessibilityOn::heard() { return events(); }

void AccessibilityOn::forget() { events().clear(); }

std::vector<QString> AccessibilityOn::namesChanged() {
    std::vector<QString> names;
    for (const HeardEvent& event : events())
        if (event.type == QAccessible::NameChanged) names.push_back(event.name);
    return names;
}

void pressAction(QAccessibleInterface* iface) {
    ASSERT_NE(iface, nullptr);
    QAccessibleActionInterface* action = iface->actionInterface();
    ASSERT_NE(action, nullptr) << iface->text(QAccessible::Name).toStdString();
    ASSERT_EQ(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    action->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace poron::test
