// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Driving modal windows from a test: act on the window once it is open, from inside its
// own event loop, the way a player would.
#pragma once

#include <QWidget>
#include <functional>
#include <ostream>
#include <vector>

namespace poron {
class MainWindow;
}

namespace poron::test {

// Runs `action` on the next modal window to open (polling the event loop), and
// fails the test if none opens within `timeoutMs`. Call it before the code that opens it.
// The limit is generous: a loaded machine can be slow, and a window that opens ends the wait.
void whenModalOpens(std::function<void(QWidget*)> action, int timeoutMs = 30'000);

// Clicks (press and release) at `position` of `widget`, delivered through its window
// like real mouse input.
void clickAt(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton);

// One of the three modal windows: how the main window opens it and how a player closes it.
struct ModalCase {
    const char* id;    // for test names
    const char* name;  // for messages
    std::function<void(MainWindow&)> open;
    // Is `modal` the window this case opens?
    std::function<bool(QWidget*)> isTheWindow;
    // The player's way out: a click.
    std::function<void(QWidget*)> close;
};
void PrintTo(const ModalCase& c, std::ostream* os);

// The continue dialog, the stage-clear window and the version dialog.
std::vector<ModalCase> eachModalWindow();

}  // namespace poron::test
