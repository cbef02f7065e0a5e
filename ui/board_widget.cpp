// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the board bottom to top, and its hit testing.
#include "board_widget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "accessible_board.h"
#include "accessible_windows.h"
#include "board.h"
#include "picture_palette.h"

namespace poron {

namespace {

const QColor kBackgroundColour(192, 192, 192);

QRect cellRect(int cell) {
    const PixelPoint origin = cellOrigin(cell);
    return QRect(origin.x, origin.y, kCellPixels, kCellPixels);
}

int cellUnder(QPoint position) {
    const int x = std::clamp(position.x(), 0, kBoardPixels - 1);
    const int y = std::clamp(position.y(), 0, kBoardPixels - 1);
    return cellAtPixel(x, y);
}

}  // namespace

BoardWidget::BoardWidget(const GameState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setFixedSize(kBoardPixels, kBoardPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    installAccessibleInterfaces();
}

void BoardWidget::setBackground(int rewardPicture) {
    background_ = rewardPicture;
    update();
}

const QPixmap& BoardWidget::background() const {
    static const QPixmap none;
    return background_ < 0 ? none : PicturePalette::instance().reward(background_, devicePixelRatioF());
}

void BoardWidget::updateCell(int cell) {
    update(cellRect(cell));
    if (QAccessible::isActive()) tellCellChanged(*this, cell);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    const QPixmap& picture = background();
    if (picture.isNull() || picture.hasAlphaChannel()) painter.fillRect(exposed, kBackgroundColour);
    // The picture may be drawn at 2x or 3x: the source rectangle is in its own pixels.
    const qreal scale = picture.devicePixelRatio();
    painter.drawPixmap(QRectF(exposed), picture,
                       QRectF(exposed.x() * scale, exposed.y() * scale, exposed.width() * scale,
                              exposed.height() * scale));

    // Only the cells whose squares meet the exposed area.
    const int firstColumn = std::max(0, exposed.left() / kCellPixels);
    const int lastColumn = std::min(kColumns - 1, exposed.right() / kCellPixels);
    const int firstRow = std::max(0, exposed.top() / kCellPixels);
    const int lastRow = std::min(kRows - 1, exposed.bottom() / kCellPixels);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column) paintCell(painter, cellAt(row, column));
}

// The sprites are 32 x 32 pixel art: on a screen of 2 or 3 device pixels per pixel the
// painter enlarges them pixel for pixel (no smoothing is asked for); between whole scales the
// palette gives a copy scaled evenly for that screen, drawn device pixel for device pixel.
void BoardWidget::paintCell(QPainter& painter, int cell) const {
    const PicturePalette& palette = PicturePalette::instance();
    const qreal ratio = painter.device()->devicePixelRatio();
    const PixelPoint origin = cellOrigin(cell);
    if (const QPixmap* lower = spriteFor(state_.lowerAt(cell)))
        painter.drawPixmap(origin.x, origin.y, palette.drawnSprite(*lower, ratio));
    const Upper upper = state_.upperAt(cell);
    if (const QPixmap* sprite = spriteFor(upper))
        painter.drawPixmap(origin.x, origin.y, palette.drawnSprite(*sprite, ratio));
    if (upper == Upper::curtain) {
        // Through the gap between the curtain's halves, what lies beneath shows inverted.
        painter.save();
        painter.setClipRegion(palette.curtainGap().translated(origin.x, origin.y));
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(cellRect(cell), Qt::black);
        painter.restore();
    }
}

bool BoardWidget::event(QEvent* event) {
    // A modal window over the board takes the release of a press made before it opened:
    // that press is forgotten, so that it cannot claim the next one.
    if (event->type() == QEvent::WindowBlocked) pressedCell_ = -1;
    return QWidget::event(event);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    // The cell that takes the first press keeps every release until all buttons are up. A
    // press with no other button down is a first press, whatever the board remembered.
    if (pressedCell_ < 0 || event->buttons() == event->button())
        pressedCell_ = cellUnder(event->position().toPoint());
    event->accept();
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (pressedCell_ < 0) return;
    const int cell = pressedCell_;
    if (event->buttons() == Qt::NoButton) pressedCell_ = -1;
    emit cellReleased(cell);
}

}  // namespace poron
