// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of painting the board on Qt's offscreen platform: a full repaint of a 47-pad
// stage with a curtain and the frog, and the repaint one tick causes, with the pixels it
// covers. Prints `name: value unit` lines.
#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "board_widget.h"
#include "main_window.h"

namespace poron::bench {
namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long pixelsOf(const QRegion& region) {
    long pixels = 0;
    for (const QRect& r : region) pixels += static_cast<long>(r.width()) * r.height();
    return pixels;
}

// Collects what every widget of one window is asked to paint, in board coordinates.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(QWidget& window, QWidget& board) : window_(window), board_(board) {}

    void clear() {
        painted = QRegion();
        pixels = 0;
    }

    QRegion painted;  // the union of the areas painted
    long pixels = 0;  // every painted pixel counted, overlaps as often as they are painted

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(object);
            if (widget->window() == &window_) {
                const QRegion& region = static_cast<QPaintEvent*>(event)->region();
                pixels += pixelsOf(region);
                painted += region.translated(widget->mapTo(&board_, QPoint(0, 0)));
            }
        }
        return false;
    }

private:
    QWidget& window_;
    QWidget& board_;
};

QRegion cellsChangedBetween(const GameState& before, const GameState& after) {
    QRegion cells;
    for (int i = 0; i < kCells; ++i)
        if (before.lowerAt(i) != after.lowerAt(i) || before.upperAt(i) != after.upperAt(i))
            cells += QRect(cellOrigin(i).x, cellOrigin(i).y, kCellPixels, kCellPixels);
    return cells;
}

class PaintBench {
public:
    PaintBench() : random_(20261209), window_(random_, hardAfterSeven()), recorder_(window_, *window_.board()) {
        window_.turnTimer().stop();  // the bench decides when the turn engine ticks
        window_.show();
        if (!QTest::qWaitForWindowExposed(&window_)) std::fprintf(stderr, "paint: the window never showed\n");
        qApp->installEventFilter(&recorder_);
    }

    // A full repaint of the board at the end of a 47-pad stage: 45 pads sunk, the frog on
    // the 46th and a curtain over the last.
    double fullRepaintUs(int repaints) {
        game().ghard_Click();
        flush();
        const Walk walk = game().lastWalk();
        for (int k = 1; k < walk.length - 1; ++k) {
            game().Timer1_Timer();
            game().image2_MouseUp(walk.cells[static_cast<std::size_t>(k)]);
        }
        game().Timer1_Timer();
        flush();
        if (game().state().upperAt(walk.cells[static_cast<std::size_t>(walk.length - 1)]) != Upper::curtain)
            std::fprintf(stderr, "paint: the stage did not play through as laid\n");

        std::vector<double> times;
        recorder_.clear();
        for (int k = 0; k < repaints; ++k) {
            const auto start = Clock::now();
            window_.board()->repaint();
            times.push_back(microseconds(Clock::now() - start));
        }
        if (recorder_.pixels < static_cast<long>(repaints) * kBoardPixels * kBoardPixels)
            std::fprintf(stderr, "paint: a full repaint did not cover the whole board\n");
        return median(times);
    }

    // The ticks that mark the targets after each move, over whole stages played along their
    // walks, the last one putting up the curtain. Times the repaint each causes and counts
    // the pixels it covers.
    struct TickFigures {
        double medianUs = 0;
        long meanPixels = 0;
        long pixelsOutsideChangedCells = 0;
    };
    TickFigures tickRepaints(int stages) {
        std::vector<double> times;
        long pixels = 0;
        TickFigures figures;
        for (int s = 0; s < stages; ++s) {
            game().ghard_Click();
            flush();
            const Walk walk = game().lastWalk();
            for (int k = 1; k < walk.length; ++k) {
                const GameState before = game().state();
                game().Timer1_Timer();
                recorder_.clear();
                const auto start = Clock::now();
                flush();
                times.push_back(microseconds(Clock::now() - start));
                pixels += recorder_.pixels;
                const QRegion outside = recorder_.painted - cellsChangedBetween(before, game().state());
                figures.pixelsOutsideChangedCells += pixelsOf(outside);

                if (k == walk.length - 1) break;  // the curtain is up: the stage is won
                game().image2_MouseUp(walk.cells[static_cast<std::size_t>(k)]);
                flush();
            }
        }
        figures.medianUs = median(times);
        figures.meanPixels = pixels / static_cast<long>(times.size());
        return figures;
    }

private:
    static GameState hardAfterSeven() {
        GameState initial;
        initial.clearedStages = kMaxClearedStages;  // the hard difficulty lays 47 pads
        return initial;
    }
    Game& game() { return window_.game(); }
    // Carries out the repaints the window has scheduled, as the event loop would.
    void flush() { QCoreApplication::sendPostedEvents(&window_, QEvent::UpdateRequest); }

    MersenneRandom random_;
    MainWindow window_;
    PaintRecorder recorder_;
};

}  // namespace
}  // namespace poron::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes about window hints are not ours to print.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    poron::bench::PaintBench bench;
    const double fullUs = bench.fullRepaintUs(2000);
    const auto tick = bench.tickRepaints(40);
    std::printf("paint_full_us: %.1f us\n", fullUs);
    std::printf("paint_tick_us: %.1f us\n", tick.medianUs);
    std::printf("paint_tick_pixels: %ld px\n", tick.meanPixels);
    if (tick.pixelsOutsideChangedCells > 0)
        std::fprintf(stderr, "paint: ticks repainted %ld pixels outside the cells they changed\n",
                     tick.pixelsOutsideChangedCells);
    return 0;
}
