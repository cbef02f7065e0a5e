// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's table and its cells for screen readers, and the news of a changed cell.
#include "accessible_board.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "board_widget.h"

namespace poron {

namespace {

// Qt 6.4's bridge uses whatever cell it is handed without a check, also for a row or column
// off the board that a client asked for: such a question gets the nearest cell instead.
int nearestCell(int row, int column) {
    return cellAt(std::clamp(row, 0, kRows - 1), std::clamp(column, 0, kColumns - 1));
}

// Whether a modal window over the board's window takes the mouse: a click on the board
// would not reach it then, and neither does a press from a screen reader.
bool blockedByModal(const BoardWidget& board) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != board.window();
}

}  // namespace

// --- the table

AccessibleBoard::AccessibleBoard(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Table) {
    for (int i = 0; i < kCells; ++i) {
        const auto at = static_cast<std::size_t>(i);
        cells_[at] = new AccessibleCell(board, i);
        cellIds_[at] = QAccessible::registerAccessibleInterface(cells_[at]);
        told_[at] = cellShows(board->state(), i);
    }
}

AccessibleBoard::~AccessibleBoard() {
    for (QAccessible::Id id : cellIds_) QAccessible::deleteAccessibleInterface(id);
}

BoardWidget* AccessibleBoard::board() const { return static_cast<BoardWidget*>(widget()); }

void AccessibleBoard::cellChanged(int cell) {
    if (!isCell(cell)) return;
    changed_.set(static_cast<std::size_t>(cell));
    if (tellingScheduled_) return;
    tellingScheduled_ = true;
    BoardWidget* widget = board();
    QTimer::singleShot(0, widget, [widget] {
        if (auto* table = dynamic_cast<AccessibleBoard*>(QAccessible::queryAccessibleInterface(widget)))
            table->tellChangedCells();
    });
}

void AccessibleBoard::tellChangedCells() {
    tellingScheduled_ = false;
    const GameState& state = board()->state();
    for (int cell = 0; cell < kCells; ++cell) {
        const auto at = static_cast<std::size_t>(cell);
        if (!changed_[at]) continue;
        const CellShows now = cellShows(state, cell);
        if (now == told_[at]) continue;
        told_[at] = now;
        QAccessibleEvent event(cells_[at], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    changed_.reset();
}

QString AccessibleBoard::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QStringLiteral("盤面");
    return QAccessibleWidget::text(t);
}

int AccessibleBoard::childCount() const { return kCells; }

QAccessibleInterface* AccessibleBoard::child(int index) const {
    return cells_[static_cast<std::size_t>(std::clamp(index, 0, kCells - 1))];
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const {
    const auto found = std::find(cells_.begin(), cells_.end(), child);
    return found == cells_.end() ? -1 : static_cast<int>(found - cells_.begin());
}

QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const {
    const QPoint local = board()->mapFromGlobal(QPoint(x, y));
    if (!board()->rect().contains(local)) return nullptr;
    return cells_[static_cast<std::size_t>(cellAtPixel(local.x(), local.y()))];
}

void* AccessibleBoard::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* AccessibleBoard::cellAt(int row, int column) const {
    return cells_[static_cast<std::size_t>(nearestCell(row, column))];
}

QString AccessibleBoard::columnDescription(int column) const { return QStringLiteral("%1列").arg(column + 1); }

QString AccessibleBoard::rowDescription(int row) const { return QStringLiteral("%1行").arg(row + 1); }

// --- a cell

AccessibleCell::AccessibleCell(BoardWidget* board, int cell) : board_(board), cell_(cell) {}

bool AccessibleCell::isValid() const { return !board_.isNull(); }

QWindow* AccessibleCell::window() const {
    return board_ ? board_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleCell::parent() const {
    return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
}

QString AccessibleCell::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !board_) return {};
    return cellName(cell_, cellShows(board_->state(), cell_));
}

QRect AccessibleCell::rect() const {
    if (!board_) return {};
    const PixelPoint origin = cellOrigin(cell_);
    return QRect(board_->mapToGlobal(QPoint(origin.x, origin.y)), QSize(kCellPixels, kCellPixels));
}

QAccessible::State AccessibleCell::state() const {
    QAccessible::State state;
    if (!board_ || !board_->isVisible()) state.invisible = true;
    return state;
}

void* AccessibleCell::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList AccessibleCell::actionNames() const { return {pressAction()}; }

void AccessibleCell::doAction(const QString& actionName) {
    if (actionName != pressAction() || !board_) return;
    // The click happens once the screen reader has had its answer: a click that opens a
    // modal window does not return before the window closes.
    BoardWidget* board = board_.data();
    const int cell = cell_;
    QTimer::singleShot(0, board, [board, cell] {
        if (!blockedByModal(*board)) emit board->cellReleased(cell);
    });
}

// --- news of a cell

void tellCellChanged(BoardWidget& board, int cell) {
    if (auto* table = dynamic_cast<AccessibleBoard*>(QAccessible::queryAccessibleInterface(&board)))
        table->cellChanged(cell);
}

}  // namespace poron
