// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: building it, its menu commands, and what it does for the game.
#include "main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "announcement.h"
#include "board_widget.h"
#include "continue_dialog.h"
#include "japanese_fonts.h"
#include "picture_palette.h"
#include "program_end.h"
#include "stage_clear_window.h"
#include "version_dialog.h"
#include "window_frames.h"

namespace poron {

namespace {

constexpr int kTurnMilliseconds = 300;

QAction* addCommand(QWidget* menu, const char* name, const QString& caption) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setMenuRole(QAction::NoRole);
    menu->addAction(action);
    return action;
}

}  // namespace

MainWindow::MainWindow(RandomSource& random, GameState initial)
    : QMainWindow(nullptr, kMainWindowFrame),
      game_(*this, random, initial) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ポロンパズル"));
    const PicturePalette& palette = PicturePalette::instance();
    setWindowIcon(palette.frogIcon());
    keepFixedSize(*this);

    board_ = new BoardWidget(game_.state(), this);
    board_->setObjectName(QStringLiteral("board"));
    board_->setBackground(0);
    board_->setCursor(palette.pointer());
    setCentralWidget(board_);

    // The hidden holder of the number of continues: it is never shown.
    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();

    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(board_, &BoardWidget::cellReleased, this, [this](int cell) { game_.image2_MouseUp(cell); });
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(kTurnMilliseconds);
    // The board's news is told once a turn, when the turn engine has marked the targets.
    connect(&Timer1, &QTimer::timeout, this, [this] {
        game_.Timer1_Timer();
        tellBoardNews();
    });
    Timer1.start();
}

// The board shows the game's state: it goes before the game does, not later among the
// window's children.
MainWindow::~MainWindow() { delete board_; }

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);  // the bar belongs in the window, never in a global menu

    QMenu* gmenu = bar->addMenu(QStringLiteral("ｹﾞｰﾑ"));
    gmenu->setObjectName(QStringLiteral("gmenu"));
    gmenu->menuAction()->setObjectName(QStringLiteral("gmenu"));
    connect(addCommand(gmenu, "geazy", QStringLiteral("かんたん")), &QAction::triggered, this,
            [this] { game_.geazy_Click(); });
    connect(addCommand(gmenu, "gnoml", QStringLiteral("ふつう")), &QAction::triggered, this,
            [this] { game_.gnoml_Click(); });
    connect(addCommand(gmenu, "ghard", QStringLiteral("むずかしい")), &QAction::triggered, this,
            [this] { game_.ghard_Click(); });
    gmenu->addSeparator()->setObjectName(QStringLiteral("gblnk"));
    connect(addCommand(gmenu, "gend", QStringLiteral("終了")), &QAction::triggered, this,
            [this] { game_.gend_Click(); });

    connect(addCommand(bar, "gup", QStringLiteral("ｷﾞﾌﾞｱｯﾌﾟ")), &QAction::triggered, this,
            [this] { game_.gup_Click(); });

    QMenu* gopt = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ"));
    gopt->setObjectName(QStringLiteral("gopt"));
    gopt->menuAction()->setObjectName(QStringLiteral("gopt"));
    connect(addCommand(gopt, "gverinfo", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")), &QAction::triggered, this,
            [this] { game_.gverinfo_Click(); });

    // Every caption is Japanese: set in a Japanese Gothic face from the start, the menus need
    // no search through the installed fonts for one that has their characters (a few
    // milliseconds of start-up). Only the face changes; the size stays the menu bar's own.
    QFont menuFont = bar->font();
    menuFont.setFamilies(japaneseGothic(Pitch::proportional, 12, QFont::Normal).families());
    for (QWidget* menu : std::initializer_list<QWidget*>{bar, gmenu, gopt}) menu->setFont(menuFont);
}

void MainWindow::setCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
    narrator_.stageLaid();  // only a new stage changes the caption
}

void MainWindow::setBackground(int rewardPicture) {
    board_->setBackground(rewardPicture);
}

void MainWindow::setLabel1(const std::string& text) { Label1->setText(QString::fromStdString(text)); }

void MainWindow::cellChanged(int cell) { board_->updateCell(cell); }

void MainWindow::tellBoardNews() {
    if (announcementsHeard()) announce(this, narrator_.news(game_.state()));
}

void MainWindow::openContinueDialog() {
    tellBoardNews();  // the frog's last jump, before the dialog speaks
    ContinueDialog dialog(this);
    dialog.exec();  // No and the end of the count end the program inside it
}

void MainWindow::openStageClearWindow() {
    StageClearWindow window(this);
    window.exec();
}

void MainWindow::openVersionDialog() {
    VersionDialog dialog(this);
    dialog.exec();
}

void MainWindow::endProgram() { endProgramNow(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgramNow();
}

}  // namespace poron
