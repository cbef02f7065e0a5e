// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The continue dialog: its picture, labels, countdown script and click areas.
#include "continue_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "accessible_windows.h"
#include "announcement.h"
#include "click_area.h"
#include "japanese_fonts.h"
#include "picture_palette.h"
#include "program_end.h"
#include "window_frames.h"
#include "window_placement.h"

namespace poron {

namespace {

constexpr int kWidth = 193;
constexpr int kHeight = 112;
constexpr int kTickMilliseconds = 1200;

// The headline's messages as the count goes down; a line break is CR LF.
const QString kLineBreak = QStringLiteral("\r\n");
QString messageAt(int countdown) {
    switch (countdown) {
        case 8: return QStringLiteral("もう") + kLineBreak + QStringLiteral("あきらめちゃうの？");
        case 6: return QStringLiteral("おねがい") + kLineBreak + QStringLiteral("がんばって");
        case 4: return QStringLiteral("だいじょうぶ、") + kLineBreak + QStringLiteral("なんとかなるって");
        case 2: return QStringLiteral("ピピちゃんッ！！");
        case 0: return QStringLiteral("ＧＡＭＥ ＯＶＥＲ");
        default: return {};
    }
}

// A message's lines joined by a blank, as a screen reader speaks them.
QString spokenLines(QString text) { return text.replace(kLineBreak, QStringLiteral(" ")); }

QLabel* makeLabel(const QString& text, const QFont& font, Qt::Alignment alignment, QPoint position,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    label->move(position);
    label->adjustSize();
    return label;
}

}  // namespace

QRect ContinueDialog::yesArea() { return QRect(24, 80, 57, 25); }
QRect ContinueDialog::noArea() { return QRect(136, 80, 33, 25); }

ContinueDialog::ContinueDialog(QWidget* owner) : QDialog(owner, kFixedDialogFrame) {
    installAccessibleInterfaces();  // a screen reader sees an alert
    setObjectName(QStringLiteral("Form2"));
    setEmptyCaption(*this);
    keepFixedSizeAndShown(*this);
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);

    Label2 = makeLabel(QStringLiteral("手詰まり"), japaneseGothic(Pitch::proportional, 21, QFont::Bold),
                       Qt::AlignHCenter | Qt::AlignTop, QPoint(60, 8), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label1 = makeLabel(QStringLiteral("Continue？"), japaneseGothic(Pitch::monospaced, 19, QFont::Bold),
                       Qt::AlignLeft | Qt::AlignTop, QPoint(56, 64), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = makeLabel(QStringLiteral("9"), japaneseGothic(Pitch::monospaced, 27, QFont::Normal),
                       Qt::AlignHCenter | Qt::AlignTop, QPoint(168, 56), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    showHeadline(Label2->text());
    showCount();

    // The click areas lie above the labels.
    auto* yes = new ClickArea(yesArea(), this);
    yes->setObjectName(QStringLiteral("Image1"));
    yes->setAccessibleName(QStringLiteral("Yes"));
    auto* no = new ClickArea(noArea(), this);
    no->setObjectName(QStringLiteral("Image2"));
    no->setAccessibleName(QStringLiteral("No"));
    connect(yes, &ClickArea::clicked, this, &ContinueDialog::Image1_Click);
    connect(no, &ClickArea::clicked, this, &ContinueDialog::Image2_Click);

    countdown_ = 9;
    Timer1.setInterval(kTickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &ContinueDialog::Timer1_Timer);
    Timer1.start();
}

void ContinueDialog::showHeadline(const QString& text) {
    Label2->setText(text);
    Label2->adjustSize();
    // The longer messages do not fit right of x = 60: keep the headline centred instead.
    Label2->move((kWidth - Label2->width()) / 2, 8);
    // A screen reader reads the dialog by its headline, on one line.
    setAccessibleName(spokenLines(text));
}

void ContinueDialog::showCount() {
    Label3->setText(QString::number(countdown_));
    Label3->adjustSize();
    setAccessibleDescription(Label1->text() + u' ' + Label3->text());
}

void ContinueDialog::Timer1_Timer() {
    countdown_ -= 1;
    if (countdown_ < 0) endProgramNow();
    const bool newMessage = countdown_ % 2 == 0;
    if (newMessage) showHeadline(messageAt(countdown_));
    showCount();
    if (announcementsHeard())
        announce(this, newMessage ? Label3->text() + QStringLiteral("、") + accessibleName() : Label3->text());
}

void ContinueDialog::Image1_Click() { accept(); }

void ContinueDialog::Image2_Click() { endProgramNow(); }

void ContinueDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 192, 192));
    painter.drawPixmap(0, 0, PicturePalette::instance().continuePicture(devicePixelRatioF()));
}

void ContinueDialog::keyPressEvent(QKeyEvent* event) {
    // No key does anything here, Escape included.
    event->accept();
}

void ContinueDialog::showEvent(QShowEvent* event) {
    centreOverOwner(*this);
    QDialog::showEvent(event);
    if (announcementsHeard())
        announce(this, accessibleName() + QStringLiteral("。") + accessibleDescription(), Urgency::assertive);
}

}  // namespace poron
