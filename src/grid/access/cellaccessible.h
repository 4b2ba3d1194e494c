#pragma once

#include <QAccessibleInterface>
#include <QPoint>

class GridAccessSource;

// One cell of the grid for assistive technology: a table cell (the header
// row's cells column headers, the header column's row headers) named by its
// text. The current cell holds the in-place editor while it is shown.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(const GridAccessSource &source, QPoint cell) : source_(source), cell_(cell) {}

    [[nodiscard]] QPoint cell() const { return cell_; }

    // QAccessibleInterface
    [[nodiscard]] bool isValid() const override;
    [[nodiscard]] QObject *object() const override { return nullptr; }
    [[nodiscard]] QWindow *window() const override;
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface *parent() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    [[nodiscard]] bool isSelected() const override;
    [[nodiscard]] QList<QAccessibleInterface *> columnHeaderCells() const override;
    [[nodiscard]] QList<QAccessibleInterface *> rowHeaderCells() const override;
    [[nodiscard]] int columnIndex() const override { return cell_.x(); }
    [[nodiscard]] int rowIndex() const override { return cell_.y(); }
    [[nodiscard]] int columnExtent() const override { return 1; }
    [[nodiscard]] int rowExtent() const override { return 1; }
    [[nodiscard]] QAccessibleInterface *table() const override;

private:
    [[nodiscard]] QAccessibleInterface *editor() const;

    const GridAccessSource &source_;
    QPoint cell_;
};
