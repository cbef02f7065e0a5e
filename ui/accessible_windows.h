// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own widgets as screen readers see them (the board, the continue dialog's Yes
// and No, the stage-clear window), and the one call that makes Qt use them.
#pragma once

namespace poron {

// Makes Qt's accessibility describe the game's own widgets with the game's interfaces.
// Call it before the first such widget is asked about (their constructors do); calling it
// again does nothing. It makes nothing: interfaces are made only when a screen reader asks.
void installAccessibleInterfaces();

}  // namespace poron
