#include "grid/access/gridaccessible.h"

#include "grid/access/cellaccessible.h"
#include "grid/access/gridaccesssource.h"

#include <QAbstractScrollArea>

GridAccessible::GridAccessible(QWidget *grid, const GridAccessSource &source)
    : QAccessibleWidget(grid, QAccessible::Table), source_(source)
{
}

int GridAccessible::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface *GridAccessible::child(int index) const
{
    const int cols = columnCount();
    if (index < 0 || index >= childCount())
        return nullptr;
    return source_.accessibleCell({index % cols, index / cols});
}

int GridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    // The viewport stands for the current cell, which holds the editor.
    const auto *area = qobject_cast<const QAbstractScrollArea *>(&source_.accessGrid());
    if (child != nullptr && area != nullptr && child->object() == area->viewport()) {
        const QPoint current = source_.accessModel().selection.current();
        return current.y() * columnCount() + current.x();
    }
    const auto *cell = dynamic_cast<const CellAccessible *>(child);
    if (cell == nullptr || cell->table() != this || !cell->isValid())
        return -1;
    return cell->cell().y() * columnCount() + cell->cell().x();
}

QAccessibleInterface *GridAccessible::childAt(int x, int y) const
{
    const auto *area = qobject_cast<const QAbstractScrollArea *>(&source_.accessGrid());
    const QWidget *viewport = area != nullptr ? area->viewport() : nullptr;
    if (viewport == nullptr)
        return nullptr;
    const QPoint cell = source_.accessModel().geometry.cellAt(viewport->mapFromGlobal(QPoint(x, y)));
    return source_.accessibleCell(cell);
}

QAccessibleInterface *GridAccessible::focusChild() const
{
    if (!source_.showsAccessibleFocus())
        return nullptr;
    QAccessibleInterface *current = source_.accessibleCell(source_.accessModel().selection.current());
    // While the editor is open, the focus is in it, inside the current cell.
    QAccessibleInterface *editor = current != nullptr ? current->child(0) : nullptr;
    return editor != nullptr ? editor : current;
}

void *GridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *GridAccessible::cellAt(int row, int column) const
{
    return source_.accessibleCell({column, row});
}

QRect GridAccessible::editableArea() const
{
    const GridModel &model = source_.accessModel();
    return {QPoint(model.geometry.columns().fixedCount(), model.geometry.rows().fixedCount()),
            QPoint(model.cells.colCount() - 1, model.cells.rowCount() - 1)};
}

int GridAccessible::selectedCellCount() const
{
    const QRect selection = source_.accessModel().selection.rect();
    return selection.width() * selection.height();
}

QList<QAccessibleInterface *> GridAccessible::selectedCells() const
{
    const QRect selection = source_.accessModel().selection.rect();
    QList<QAccessibleInterface *> cells;
    for (int row = selection.top(); row <= selection.bottom(); ++row) {
        for (int col = selection.left(); col <= selection.right(); ++col)
            cells.append(source_.accessibleCell({col, row}));
    }
    return cells;
}

QString GridAccessible::columnDescription(int column) const
{
    return source_.accessModel().cells.text(column, 0);
}

QString GridAccessible::rowDescription(int row) const
{
    return source_.accessModel().cells.text(0, row);
}

int GridAccessible::columnCount() const
{
    return source_.accessModel().cells.colCount();
}

int GridAccessible::rowCount() const
{
    return source_.accessModel().cells.rowCount();
}

QList<int> GridAccessible::selectedColumns() const
{
    QList<int> columns;
    for (int col = 0; col < columnCount(); ++col) {
        if (isColumnSelected(col))
            columns.append(col);
    }
    return columns;
}

QList<int> GridAccessible::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (isRowSelected(row))
            rows.append(row);
    }
    return rows;
}

bool GridAccessible::isColumnSelected(int column) const
{
    // A column counts as selected when the selection covers all its editable cells.
    const QRect selection = source_.accessModel().selection.rect();
    const QRect area = editableArea();
    return column >= selection.left() && column <= selection.right() && selection.top() == area.top() &&
           selection.bottom() == area.bottom();
}

bool GridAccessible::isRowSelected(int row) const
{
    const QRect selection = source_.accessModel().selection.rect();
    const QRect area = editableArea();
    return row >= selection.top() && row <= selection.bottom() && selection.left() == area.left() &&
           selection.right() == area.right();
}
