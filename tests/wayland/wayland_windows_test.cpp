// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a Wayland compositor: the main window decorated but fixed in size, and
// each modal window a modal child of the main window, on the screen at its own size; asked
// to maximise or to fill the screen, every window keeps its size.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <iostream>

#include "main_window.h"
#include "modal_helpers.h"
#include "screen_shots.h"
#include "stage_clear_window.h"

namespace poron::test {
namespace {

// What a window system asks of a window's size: its maximise button (drawn by the toolkit
// here, or a double click on the title bar) or a full-screen key. The compositor answers
// each with a configure of a new size, the size of its output.
struct SizeRequest {
    const char* name;
    Qt::WindowStates states;
};
constexpr SizeRequest kSizeRequests[] = {
    {"maximise", Qt::WindowMaximized},
    {"fill the screen", Qt::WindowFullScreen},
};
constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;

// Makes each request of `window` in turn: the window is to end in neither state, at the size
// it had, and on show.
void expectKeepsItsSize(QWidget* window, const char* name) {
    QWindow* handle = window->windowHandle();
    const QSize fixed = window->size();
    const auto asItWas = [&] { return !(handle->windowStates() & kResized) && window->size() == fixed; };
    for (const SizeRequest& request : kSizeRequests) {
        handle->setWindowStates(request.states);
        EXPECT_TRUE(QTest::qWaitFor(asItWas, 10'000))
            << name << " asked to " << request.name << ": " << window->width() << " x " << window->height();
        // On the screen again: by then the compositor has answered the request, and the
        // window has seen whatever size it offered.
        EXPECT_TRUE(findOnScreen(window)) << name << " is gone after a request to " << request.name;
        EXPECT_TRUE(QTest::qWaitFor(asItWas, 10'000))
            << name << " asked to " << request.name << ", once shown again: " << window->width() << " x "
            << window->height();
        EXPECT_EQ(handle->size(), fixed) << name << " asked to " << request.name;
    }
}

class WaylandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
        window_.game().Form_Load();
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    MersenneRandom random_{20261209};
    MainWindow window_{random_};
};

TEST_F(WaylandTest, TheMainWindowIsDecoratedAtItsFixedSizeWithoutMaximising) {
    QWindow* handle = window_.windowHandle();
    EXPECT_FALSE(handle->flags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(handle->minimumSize(), handle->maximumSize());
    EXPECT_EQ(window_.size(), handle->minimumSize());
    // The compositor draws no frame: the toolkit decorates the window itself.
    EXPECT_GT(handle->frameMargins().top(), 0);
    const std::optional<QPoint> shown = findOnScreen(&window_);
    ASSERT_TRUE(shown) << "the main window's pixels are nowhere on the compositor's output";
    keepScreenshot(QStringLiteral("main"));

    expectKeepsItsSize(&window_, "the main window");
}

class WaylandModalTest : public WaylandTest, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(WaylandModalTest, OpensAsAModalChildOfTheMainWindow) {
    const ModalCase& c = GetParam();
    const std::optional<QPoint> main = findOnScreen(&window_);
    ASSERT_TRUE(main);
    bool opened = false;
    whenModalOpens([&](QWidget* modal) {
        opened = c.isTheWindow(modal);
        QWindow* handle = modal->windowHandle();
        EXPECT_EQ(handle->transientParent(), window_.windowHandle()) << c.name;
        EXPECT_EQ(handle->modality(), Qt::ApplicationModal) << c.name;
        EXPECT_FALSE(handle->flags() & Qt::WindowMaximizeButtonHint) << c.name;
        EXPECT_EQ(handle->minimumSize(), handle->maximumSize()) << c.name;
        EXPECT_EQ(modal->size(), handle->minimumSize()) << c.name;
        const bool borderless = qobject_cast<StageClearWindow*>(modal) != nullptr;
        EXPECT_EQ(handle->frameMargins().isNull(), borderless) << c.name;

        // On the screen. Where: the compositor decides (a client cannot place its windows on
        // Wayland); weston puts even a parented window anywhere, so it is only reported.
        const std::optional<QPoint> shown = findOnScreen(modal);
        EXPECT_TRUE(shown) << c.name << " is nowhere on the compositor's output";
        if (shown) {
            std::cout << "  " << c.name << " at " << shown->x() << "," << shown->y() << ", the main window at "
                      << main->x() << "," << main->y() << std::endl;
            keepScreenshot(QString::fromLatin1(c.id));
        }
        c.close(modal);
    });
    c.open(window_);
    EXPECT_TRUE(opened) << c.name << " did not open";
}

INSTANTIATE_TEST_SUITE_P(
    EachModalWindow, WaylandModalTest, ::testing::ValuesIn(eachModalWindow()),
    [](const ::testing::TestParamInfo<ModalCase>& info) { return std::string(info.param.id); });

}  // namespace
}  // namespace poron::test
