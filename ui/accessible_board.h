// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board as screen readers see it: a table of 10 rows and 10 columns whose cells are
// named by their place and what they show, and whose press action is a click on the cell.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <bitset>

#include "board.h"
#include "cell_names.h"

namespace poron {

class BoardWidget;
class AccessibleCell;

class AccessibleBoard : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleBoard(BoardWidget* board);
    ~AccessibleBoard() override;

    // The cell `cell` may show something else now. Once the game's event has been handled,
    // every cell whose name it changed is told to listeners, once, with its final name (a
    // jump passes the frog's old cell through a plain pad on its way to a sunk one). The
    // frog's change of pose changes no name.
    void cellChanged(int cell);
    // Tells the listeners of the cells changed since the last time.
    void tellChangedCells();

    // QAccessibleInterface
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardWidget* board() const;

    // One interface per cell for the board's whole life, registered with Qt so that each
    // keeps its id; made with the board's interface, deleted with it (by id: when the
    // application ends, Qt may have deleted them first).
    std::array<AccessibleCell*, kCells> cells_{};
    std::array<QAccessible::Id, kCells> cellIds_{};
    // What each cell showed when a listener was last told.
    std::array<CellShows, kCells> told_{};
    std::bitset<kCells> changed_;
    bool tellingScheduled_ = false;
};

// One cell of the board's table. Its name is made when asked for, from the game's state.
class AccessibleCell : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
public:
    AccessibleCell(BoardWidget* board, int cell);

    int cell() const { return cell_; }

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return columnOf(cell_); }
    int rowIndex() const override { return rowOf(cell_); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleActionInterface: "Press" is a click on the cell.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<BoardWidget> board_;
    int cell_;
};

// Tells listeners that `cell` of `board` may show something else. Call it only while
// accessibility is active: it makes the board's interface if there is none yet.
void tellCellChanged(BoardWidget& board, int cell);

}  // namespace poron
