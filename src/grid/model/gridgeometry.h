#pragma once

#include "grid/model/gridaxis.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the grid's cells lie on screen: the column and row axes, the client
// size, the scroll position (first visible scrolling column and row) and the
// zoom that is added to the font size when cells are drawn and measured.
class GridGeometry {
public:
    static constexpr int kMinZoom = -10;
    static constexpr int kMaxZoom = 10;

    GridGeometry(int colCount, int rowCount, int fixedCols, int fixedRows, int colWidth, int rowHeight);

    [[nodiscard]] GridAxis &columns() { return cols_; }
    [[nodiscard]] const GridAxis &columns() const { return cols_; }
    [[nodiscard]] GridAxis &rows() { return rows_; }
    [[nodiscard]] const GridAxis &rows() const { return rows_; }

    void setClientSize(QSize size);
    [[nodiscard]] QSize clientSize() const { return {cols_.extent(), rows_.extent()}; }

    [[nodiscard]] bool isFixed(QPoint cell) const
    {
        return cell.x() < cols_.fixedCount() || cell.y() < rows_.fixedCount();
    }
    [[nodiscard]] bool isEditable(QPoint cell) const;

    // The cell's rectangle in client pixels without its grid lines; an empty
    // rectangle for a cell outside the visible part of the grid.
    [[nodiscard]] QRect cellRect(QPoint cell) const;
    // The cell under a client point (a cell owns the lines to its right and
    // below); (-1, -1) for none.
    [[nodiscard]] QPoint cellAt(QPoint pos) const;
    // Whether the point lies at most one pixel from one of the cell's border
    // lines (the grid lines around `rect`, a rectangle from cellRect()).
    [[nodiscard]] static bool isNearBorder(QPoint pos, const QRect &rect);
    // Whether the point lies more than 3 pixels inside the cell's left and
    // right edges (where a click starts a direct edit).
    [[nodiscard]] static bool isInsideEditZone(QPoint pos, const QRect &rect);

    // Scrolls so that the cell is visible; returns whether the view moved.
    bool scrollIntoView(QPoint cell);

    [[nodiscard]] int zoom() const { return zoom_; }
    // Refused (returns false) outside kMinZoom..kMaxZoom.
    bool setZoom(int zoom);

private:
    GridAxis cols_;
    GridAxis rows_;
    int zoom_ = 0;
};
