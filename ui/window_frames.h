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

// The continue and version dialogs: a fixed frame with a title bar that offers only closing.
inline constexpr Qt::WindowFlags kFixedDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The stage-clear window: no frame and no title bar at all.
inline constexpr Qt::WindowFlags kBorderlessDialog = Qt::Dialog | Qt::FramelessWindowHint;

// An empty caption. The window system would show the program's name in a title left empty
// (in a window list or a task bar), so the title is one blank.
void setEmptyCaption(QWidget& window);

// Keeps a fixed-size window out of the maximised and full-screen states, which a window
// system may offer all the same (the title bar the toolkit draws itself on Wayland has a
// maximise button; a window manager may have a full-screen key): the window stays as it is.
void keepUnmaximised(QWidget& window);

}  // namespace poron
