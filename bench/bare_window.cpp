// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up and memory: a bare Qt Widgets main window of the game's size,
// a 320 x 320 client area under a menu bar with one item, and nothing else.
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.menuBar()->setNativeMenuBar(false);
    window.menuBar()->addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    auto* client = new QWidget(&window);
    client->setFixedSize(320, 320);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}
