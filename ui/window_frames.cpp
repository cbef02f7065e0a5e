// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Captions that show nothing.
#include "window_frames.h"

#include <QWidget>

namespace poron {

void setEmptyCaption(QWidget& window) { window.setWindowTitle(QStringLiteral(" ")); }

}  // namespace poron
