// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Placing windows: the main window on the screen, the dialogs over the main window.
#pragma once

class QWidget;

namespace poron {

// Centres `window`, frame included, on its screen. Call it before the window is shown: it
// centres the window at once and once more when the window system has framed it, since
// only then is the size of the frame known. Works without a window manager as well.
void centreOnScreen(QWidget& window);
// Centres `dialog`, frame included, over the frame of the window that owns it (its parent
// widget), or on the screen when it has none. Call it as the dialog is shown: a framed
// dialog is expected to get the frame its owner has, and is centred again if it differs.
void centreOverOwner(QWidget& dialog);

}  // namespace poron
