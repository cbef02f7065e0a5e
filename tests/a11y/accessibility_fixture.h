// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's accessibility on inside a test, as a screen reader has it on, with every event that
// would go to the screen reader kept for the test to read instead. Qt switches it on only
// on a display server with an accessibility bus: the tests run under under_atspi.sh.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QString>
#include <vector>

namespace poron::test {

struct HeardEvent {
    QAccessible::Event type;
    QAccessibleInterface* about;  // the interface the event is about
    QString name;                 // its name when the event was sent
    QString message;              // an announcement's words
};

class AccessibilityOn : public ::testing::Test {
public:
    // The events heard since the test began (or since the last forget()).
    static const std::vector<HeardEvent>& heard();
    static void forget();
    // The names of the interfaces that got a NameChanged event, as the events said them.
    static std::vector<QString> namesChanged();

protected:
    void SetUp() override;
    void TearDown() override;

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

// Runs an interface's press action.
void pressAction(QAccessibleInterface* iface);

}  // namespace poron::test
