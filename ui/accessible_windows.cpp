// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Accessible interfaces for the modal windows' own widgets, and the factory that hands out
// every interface of the game's widgets.
#include "accessible_windows.h"

#include <QAccessibleWidget>
#include <QLatin1StringView>
#include <QPointer>
#include <QTimer>

#include "accessible_board.h"
#include "board_widget.h"
#include "click_area.h"
#include "stage_clear_window.h"

namespace poron {

namespace {

// Runs `click` once the screen reader has had its answer: a click that opens or closes a
// modal window, or ends the program, would otherwise hold up or lose the answer.
template <typename Click>
void clickLater(QWidget* widget, Click click) {
    QTimer::singleShot(0, widget, click);
}

// Yes and No over the continue dialog's picture: buttons whose press is a click.
class AccessibleClickArea : public QAccessibleWidget {
public:
    explicit AccessibleClickArea(ClickArea* area) : QAccessibleWidget(area, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) return;
        auto* area = static_cast<ClickArea*>(widget());
        clickLater(area, [area] { emit area->clicked(); });
    }
};

// The stage-clear picture: a window whose press is a click on it.
class AccessibleStageClear : public QAccessibleWidget {
public:
    explicit AccessibleStageClear(StageClearWindow* window) : QAccessibleWidget(window, QAccessible::Dialog) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) return;
        auto* window = static_cast<StageClearWindow*>(widget());
        clickLater(window, [window] { window->Form_Click(); });
    }
};

QAccessibleInterface* gameInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1StringView("poron::BoardWidget"))
        return new AccessibleBoard(static_cast<BoardWidget*>(widget));
    if (className == QLatin1StringView("poron::ClickArea"))
        return new AccessibleClickArea(static_cast<ClickArea*>(widget));
    if (className == QLatin1StringView("poron::StageClearWindow"))
        return new AccessibleStageClear(static_cast<StageClearWindow*>(widget));
    // The continue dialog interrupts the game: an alert, read out as it opens.
    if (className == QLatin1StringView("poron::ContinueDialog"))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&gameInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace poron
