#include "grid/access/cellaccessible.h"

#include "grid/access/gridaccesssource.h"

#include <QWidget>

bool CellAccessible::isValid() const
{
    return source_.accessModel().cells.contains(cell_.x(), cell_.y());
}

QWindow *CellAccessible::window() const
{
    const QWidget *top = source_.accessGrid().window();
    return top->windowHandle();
}

QAccessibleInterface *CellAccessible::childAt(int x, int y) const
{
    QAccessibleInterface *inside = editor();
    return inside != nullptr && inside->rect().contains(x, y) ? inside : nullptr;
}

QAccessibleInterface *CellAccessible::parent() const
{
    return table();
}

QAccessibleInterface *CellAccessible::child(int index) const
{
    return index == 0 ? editor() : nullptr;
}

int CellAccessible::childCount() const
{
    return editor() != nullptr ? 1 : 0;
}

int CellAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child != nullptr && child == editor() ? 0 : -1;
}

QString CellAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? source_.accessibleCellName(cell_) : QString();
}

QRect CellAccessible::rect() const
{
    return source_.accessibleCellRect(cell_);
}

QAccessible::Role CellAccessible::role() const
{
    const GridModel &model = source_.accessModel();
    if (cell_.y() < model.geometry.rows().fixedCount())
        return QAccessible::ColumnHeader;
    if (cell_.x() < model.geometry.columns().fixedCount())
        return QAccessible::RowHeader;
    return QAccessible::Cell;
}

QAccessible::State CellAccessible::state() const
{
    const GridModel &model = source_.accessModel();
    QAccessible::State state;
    if (!model.geometry.isEditable(cell_)) {
        state.readOnly = true;
        return state;
    }
    state.focusable = true;
    state.selectable = true;
    state.editable = true;
    state.selected = model.selection.contains(cell_);
    const bool current = model.selection.current() == cell_;
    state.active = current;
    state.focused = current && source_.showsAccessibleFocus() && source_.visibleEditor() == nullptr;
    state.offscreen = rect().isEmpty();
    return state;
}

void *CellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool CellAccessible::isSelected() const
{
    return source_.accessModel().geometry.isEditable(cell_) && source_.accessModel().selection.contains(cell_);
}

QList<QAccessibleInterface *> CellAccessible::columnHeaderCells() const
{
    const int fixedRows = source_.accessModel().geometry.rows().fixedCount();
    QList<QAccessibleInterface *> headers;
    if (cell_.y() >= fixedRows) {
        for (int row = 0; row < fixedRows; ++row)
            headers.append(source_.accessibleCell({cell_.x(), row}));
    }
    return headers;
}

QList<QAccessibleInterface *> CellAccessible::rowHeaderCells() const
{
    const int fixedCols = source_.accessModel().geometry.columns().fixedCount();
    QList<QAccessibleInterface *> headers;
    if (cell_.x() >= fixedCols) {
        for (int col = 0; col < fixedCols; ++col)
            headers.append(source_.accessibleCell({col, cell_.y()}));
    }
    return headers;
}

QAccessibleInterface *CellAccessible::table() const
{
    return QAccessible::queryAccessibleInterface(&source_.accessGrid());
}

QAccessibleInterface *CellAccessible::editor() const
{
    if (source_.accessModel().selection.current() != cell_)
        return nullptr;
    QWidget *editor = source_.visibleEditor();
    return editor != nullptr ? QAccessible::queryAccessibleInterface(editor) : nullptr;
}
