#pragma once

#include "grid/model/gridmodel.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QAccessibleInterface;
class QWidget;

// What the grid's accessible table and cells read of their grid: the model,
// the names the owner gives its cells, where a cell is on the screen, and
// the one interface of each cell position.
class GridAccessSource {
public:
    [[nodiscard]] virtual QWidget &accessGrid() const = 0;
    [[nodiscard]] virtual const GridModel &accessModel() const = 0;
    // The cell's text, or the name the grid's owner gives it instead.
    [[nodiscard]] virtual QString accessibleCellName(QPoint cell) const = 0;
    // The cell's rectangle in screen pixels; empty while scrolled out of view.
    [[nodiscard]] virtual QRect accessibleCellRect(QPoint cell) const = 0;
    // Whether the current cell has the keyboard focus (the grid's or its editor's).
    [[nodiscard]] virtual bool showsAccessibleFocus() const = 0;
    // The in-place editor while it is shown over the current cell; null otherwise.
    [[nodiscard]] virtual QWidget *visibleEditor() const = 0;
    // The cached interface of the cell; null outside the grid.
    [[nodiscard]] virtual QAccessibleInterface *accessibleCell(QPoint cell) const = 0;

protected:
    ~GridAccessSource() = default;
};
