// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the headless Wayland compositor, and finding a window's pixels on them.
#include "screen_shots.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace poron::test {

namespace {

QImage lastShot;

// Whether `part` appears at (x, y) of `shot`, pixel for pixel.
bool matchesAt(const QImage& shot, const QImage& part, int x, int y) {
    for (int row = 0; row < part.height(); ++row)
        for (int column = 0; column < part.width(); ++column)
            if (shot.pixel(x + column, y + row) != part.pixel(column, row)) return false;
    return true;
}

std::optional<QPoint> locate(const QImage& shot, const QImage& part, QPoint offsetInWindow) {
    for (int y = 0; y + part.height() <= shot.height(); ++y)
        for (int x = 0; x + part.width() <= shot.width(); ++x)
            if (shot.pixel(x, y) == part.pixel(0, 0) && matchesAt(shot, part, x, y))
                return QPoint(x, y) - offsetInWindow;
    return std::nullopt;
}

}  // namespace

QImage takeScreenshot() {
    // weston-screenshooter writes wayland-screenshot-<time>.png into its working folder.
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    // Its wait lets the compositor go on drawing what this process has committed.
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0) return {};
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
    if (files.size() != 1) return {};
    lastShot = QImage(folder.filePath(files.first())).convertToFormat(QImage::Format_RGB32);
    return lastShot;
}

std::optional<QPoint> findOnScreen(QWidget* widget, int timeoutMs) {
    // A 24 x 24 square from the middle of the window's own painting.
    const QImage painted = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint corner(painted.width() / 2 - 12, painted.height() / 2 - 12);
    const QImage part = painted.copy(QRect(corner, QSize(24, 24)));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QTest::qWait(20);  // lets the window paint and commit
        const QImage shot = takeScreenshot();
        if (shot.isNull()) return std::nullopt;
        if (auto found = locate(shot, part, corner)) return found;
    }
    return std::nullopt;
}

void keepScreenshot(const QString& name) {
    const QString folder = qEnvironmentVariable("PORON_SCREENSHOTS");
    if (folder.isEmpty() || lastShot.isNull()) return;
    QDir().mkpath(folder);
    lastShot.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace poron::test
