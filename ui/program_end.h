// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program at once.
#pragma once

namespace poron {

// Ends the process with status 0 immediately: no question, no clean-up, no game code after
// it, nothing written. Safe to call from inside any modal window.
[[noreturn]] void endProgramNow();

}  // namespace poron
