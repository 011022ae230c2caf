// SPDX-License-Identifier: GPL-3.0-or-later
// The board as assistive technology reads it: a table with one cell per tile position, rows
// from the top, each cell named by its tile.
#include "glimform/BoardView.h"

#include "board/Board.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace {

// One cell of the board. It holds a position, not a tile: tiles fall through cells, and a screen
// reader that keeps a cell hears what lies there now.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardView* view_, int row_, int column_) : view(view_), row(row_), column(column_) {}

    bool isValid() const override { return view != nullptr && Cell() != nullptr; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}
    QString text(QAccessible::Text type) const override
    {
        const Chip* cell = Cell();
        return type == QAccessible::Name && cell != nullptr ? view->CellName(*cell) : QString();
    }
    QRect rect() const override
    {
        const Chip* cell = Cell();
        if (cell == nullptr) {
            return {};
        }
        const QRect local = view->CellRect(*cell);
        return {view->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const Chip* cell = Cell();
        if (cell == nullptr) {
            state.invalid = true;
            return state;
        }
        state.selectable = cell->IsOccupied();
        state.selected = cell->IsSelected();
        state.focusable = true;
        state.focused = view->hasFocus() && view->CursorCell() == cell;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const Chip* Cell() const { return view != nullptr ? view->TableCell(row, column) : nullptr; }

    QPointer<BoardView> view;
    int row;
    int column;
};

// The board: a table of its cells, whose description is the latest announcement.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~BoardAccessible() override
    {
        for (const auto& [index, id] : cells) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    BoardView* View() const { return static_cast<BoardView*>(widget()); }

    int childCount() const override { return View()->TableRows() * View()->TableColumns(); }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = View()->TableColumns();
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        const auto found = cells.find(index);
        if (found != cells.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        // Created on demand and kept until the board goes; Qt's cache owns them.
        auto* cell = new CellAccessible(View(), index / columns, index % columns);
        cells[index] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        // Cells are this table's only children, and only CellAccessible makes them.
        auto* cell = child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        return cell != nullptr && child->parent() == this
                   ? cell->rowIndex() * View()->TableColumns() + cell->columnIndex()
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = View()->mapFromGlobal(QPoint(x, y));
        for (int index = 0; index < childCount(); ++index) {
            const Chip* cell = View()->TableCell(index / View()->TableColumns(), index % View()->TableColumns());
            if (cell != nullptr && View()->CellRect(*cell).contains(local)) {
                return child(index);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const Chip* cell = View()->CursorCell();
        return cell != nullptr ? child(View()->TableRow(*cell) * View()->TableColumns() + View()->TableColumn(*cell))
                               : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && column >= 0 && row < rowCount() && column < columnCount()
                   ? child(row * columnCount() + column)
                   : nullptr;
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> chain;
        if (View()->GetBoard() != nullptr) {
            for (const Chip* tile : View()->GetBoard()->Selection()) {
                chain << cellAt(View()->TableRow(*tile), View()->TableColumn(*tile));
            }
        }
        return chain;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return View()->TableColumns(); }
    int rowCount() const override { return View()->TableRows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The chain is built by play, not by a screen reader's selection commands.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::map<int, QAccessible::Id> cells;
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardView") && object != nullptr && object->isWidgetType()) {
        return new BoardAccessible(static_cast<BoardView*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallBoardAccessibility()
{
    // Qt keeps a factory for the rest of the program; a second main window must not add another.
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(BoardFactory);
        installed = true;
    }
}
