// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the game's windows ask the window system to frame them: which title-bar buttons,
// which frame, which caption.
#pragma once

#include <Qt>

class QWidget;

namespace poron {

// The main window: a fixed frame with a title bar that offers minimising and closing.
inline constexpr Qt::WindowFlags kMainWindowFrame =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The continue and version dialogs: a fixed frame with a title bar that offers only closing
// (no minimise and no maximise button, in the window flags and the Motif hints alike).
inline constexpr Qt::WindowFlags kFixedDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The stage-clear window: no frame and no title bar at all.
inline constexpr Qt::WindowFlags kBorderlessDialog = Qt::Dialog | Qt::FramelessWindowHint;

// An empty caption. The window system would show the program's name in a title left empty
// (in a window list or a task bar), so the title is one blank.
void setEmptyCaption(QWidget& window);

// Keeps a window of fixed size as it is, whatever the window system asks of it: a request
// to maximise it or to fill the screen (a title-bar button the toolkit draws itself on
// Wayland, a double click on a title bar, a key of the window manager) is undone, and so is
// any other size the window system gives it (the size a compositor offers with its
// configure). The window goes back to its own size as soon as the change has been handled.
void keepFixedSize(QWidget& window);

// The same for a modal dialog, which besides cannot be minimised: a window manager that
// minimises a dialog takes its owner down with it (openbox does), and the player would be
// left with no window on the screen while the dialog waits, or counts down, unseen. The
// dialog, and with it its owner, comes straight back.
void keepFixedSizeAndShown(QWidget& dialog);

}  // namespace poron
