// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Review tool: every picture as the player meets it, in its window. The main window over
// each reward picture with a stage of the length that picture comes with (its pads marked
// after one tick), and the continue, stage-clear and version windows, each saved as a PNG at
// the screen scale the tool runs with (QT_SCALE_FACTOR), on the offscreen platform.
//
//   QT_SCALE_FACTOR=2 poron_window_shots OUT_DIR
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "continue_dialog.h"
#include "main_window.h"
#include "random_source.h"
#include "stage_clear_window.h"
#include "version_dialog.h"

namespace {

bool save(QWidget& window, const QDir& dir, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "window_shots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "window_shots: cannot make %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int picture = 0; picture <= 7; ++picture) {
        poron::SeededRandom random(20261211 + static_cast<unsigned>(picture));
        poron::GameState start;
        start.clearedStages = picture;
        poron::MainWindow window(random, start);
        window.turnTimer().stop();  // one tick by hand, so every shot shows its marks
        window.setBackground(picture);
        window.game().gnoml_Click();
        window.game().Timer1_Timer();
        ok = save(window, dir, QStringLiteral("board-over-imageCG%1").arg(picture)) && ok;
    }
    poron::ContinueDialog continueDialog;
    ok = save(continueDialog, dir, QStringLiteral("continue-dialog")) && ok;
    poron::StageClearWindow stageClear;
    ok = save(stageClear, dir, QStringLiteral("stage-clear-window")) && ok;
    poron::VersionDialog version;
    ok = save(version, dir, QStringLiteral("version-dialog")) && ok;
    return ok ? 0 : 1;
}
