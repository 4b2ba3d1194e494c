#pragma once

#include <QAccessibleWidget>

class GridAccessSource;

// The grid for assistive technology: a table of all its cells, the header
// row and column included (they are the column and row headers), with the
// selection and the current cell. Child i is the cell of row i / columns,
// column i % columns. The cells come from the grid's cache, so a grown grid
// costs nothing until a cell is asked for.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    GridAccessible(QWidget *grid, const GridAccessSource &source);

    // QAccessibleInterface
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    [[nodiscard]] QAccessibleInterface *caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface *summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface *cellAt(int row, int column) const override;
    [[nodiscard]] int selectedCellCount() const override;
    [[nodiscard]] QList<QAccessibleInterface *> selectedCells() const override;
    [[nodiscard]] QString columnDescription(int column) const override;
    [[nodiscard]] QString rowDescription(int row) const override;
    [[nodiscard]] int selectedColumnCount() const override { return int(selectedColumns().size()); }
    [[nodiscard]] int selectedRowCount() const override { return int(selectedRows().size()); }
    [[nodiscard]] int columnCount() const override;
    [[nodiscard]] int rowCount() const override;
    [[nodiscard]] QList<int> selectedColumns() const override;
    [[nodiscard]] QList<int> selectedRows() const override;
    [[nodiscard]] bool isColumnSelected(int column) const override;
    [[nodiscard]] bool isRowSelected(int row) const override;
    // The selection is the user's: assistive technology reads it only.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The grid drops its cached cells itself when its counts change.
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    // The editable part of the grid, columns and rows from the first after
    // the headers to the last.
    [[nodiscard]] QRect editableArea() const;

    const GridAccessSource &source_;
};
