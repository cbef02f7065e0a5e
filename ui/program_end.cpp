// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program at once, from wherever the player asks for it.
#include "program_end.h"

#include <cstdlib>

namespace poron {

void endProgramNow() {
    // Not QCoreApplication::exit(): that would return from every nested exec() and let the
    // code after a modal window run on. Nothing is buffered that needs writing.
    std::_Exit(0);
}

}  // namespace poron
