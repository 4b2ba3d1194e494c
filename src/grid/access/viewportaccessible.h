#pragma once

#include <QAccessibleWidget>

class GridAccessSource;

// The grid's viewport, the widget that holds the in-place editor, as the
// current cell for assistive technology: the editor's parent is then a cell
// of the table, named and placed as the cell it edits, not a nameless pane.
class ViewportAccessible : public QAccessibleWidget {
public:
    ViewportAccessible(QWidget *viewport, const GridAccessSource &source);

    [[nodiscard]] QAccessibleInterface *parent() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QRect rect() const override;

private:
    const GridAccessSource &source_;
};
