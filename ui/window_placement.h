// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Placing windows: the main window on the screen, the dialogs over the main window.
#pragma once

class QWidget;

namespace poron {

// Centres `window` on the screen of `window`, frame included where the window system
// has given it one. Works without a window manager as well.
void centreOnScreen(QWidget& window);
// Centres `dialog` over `owner`; with no owner, on the screen.
void centreOver(QWidget& dialog, const QWidget* owner);

}  // namespace poron
