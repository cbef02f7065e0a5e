// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game: the main window, centred on the screen with its frame, and the event loop.
#include <QApplication>

#include "main_window.h"
#include "random_source.h"
#include "window_placement.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("poron-puzzle"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.poronpuzzle.PoronPuzzle"));
#ifdef PORON_FIXED_SEED
    // A build for the end-to-end tests: every run lays out the same stages.
    poron::SeededRandom random(PORON_FIXED_SEED);
#else
    poron::MersenneRandom random;  // seeded from the clock by the game's start-up
#endif
    poron::MainWindow window(random);
    window.game().Form_Load();
    window.adjustSize();
    poron::centreOnScreen(window);
    window.show();
    return QApplication::exec();
}
