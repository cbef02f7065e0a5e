// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the Wayland compositor shows: screenshots taken with weston-screenshooter, and the
// place of a window's own pixels on them.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace poron::test {

// A screenshot of the whole compositor output, or a null image when none could be taken.
QImage takeScreenshot();

// Where the top-left corner of `widget`'s window, as it paints itself, lies on the
// compositor's output. Waits (up to `timeoutMs`) until the window's pixels are on show.
std::optional<QPoint> findOnScreen(QWidget* widget, int timeoutMs = 5000);

// Saves the last screenshot for the reviewer as <name>.png in the folder named by
// PORON_SCREENSHOTS, if it is set.
void keepScreenshot(const QString& name);

}  // namespace poron::test
