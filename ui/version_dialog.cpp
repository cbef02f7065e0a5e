// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The version dialog's layout and its one button.
#include "version_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "japanese_fonts.h"
#include "picture_palette.h"
#include "window_frames.h"
#include "window_placement.h"

namespace poron {

VersionDialog::VersionDialog(QWidget* owner) : QDialog(owner, kFixedDialogFrame) {
    setObjectName(QStringLiteral("Pverinfo"));
    keepFixedSizeAndShown(*this);
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFixedSize(197, 119);
    setAttribute(Qt::WA_OpaquePaintEvent);

    Label1 = new QLabel(QStringLiteral("ポロンパズルver2.0"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 48, 97, 25);
    Label1->setFont(japaneseGothic(Pitch::monospaced, 13, QFont::Normal));
    // Centred across, and laid from the top of the box: the title wraps to two lines of 13 to
    // 14 px each (14 in IPA Gothic), more than the box's 25 px. Centred up and down they would
    // lose their top rows to the box's edge, and with them the top of the handakuten of ポ and
    // パ, which then read as ボ and バ. From the top only the second line's descent, which
    // this text leaves empty, falls outside.
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setAutoFillBackground(true);
    QPalette colours = Label1->palette();
    colours.setColor(QPalette::Window, QColor(255, 224, 192));
    colours.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(colours);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(152, 88, 33, 17);
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &VersionDialog::Command1_Click);
    Command1->setFocus();
}

void VersionDialog::Command1_Click() { accept(); }

void VersionDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, PicturePalette::instance().versionPicture(devicePixelRatioF()));
}

void VersionDialog::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel button: Escape does nothing. Enter and Space reach the
    // focused OK button before they get here.
    event->accept();
}

void VersionDialog::showEvent(QShowEvent* event) {
    centreOverOwner(*this);
    QDialog::showEvent(event);
    Command1->setFocus();
}

}  // namespace poron
