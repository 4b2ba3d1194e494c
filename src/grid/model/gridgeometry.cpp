#include "grid/model/gridgeometry.h"

GridGeometry::GridGeometry(int colCount, int rowCount, int fixedCols, int fixedRows, int colWidth,
                           int rowHeight)
    : cols_(colCount, fixedCols, colWidth), rows_(rowCount, fixedRows, rowHeight)
{
}

void GridGeometry::setClientSize(QSize size)
{
    cols_.setExtent(size.width());
    rows_.setExtent(size.height());
    // A larger client may show everything from an earlier first cell.
    cols_.setFirst(cols_.first());
    rows_.setFirst(rows_.first());
}

bool GridGeometry::isEditable(QPoint cell) const
{
    return cell.x() >= cols_.fixedCount() && cell.y() >= rows_.fixedCount() && cell.x() < cols_.count() &&
           cell.y() < rows_.count();
}

QRect GridGeometry::cellRect(QPoint cell) const
{
    if (!cols_.isVisible(cell.x()) || !rows_.isVisible(cell.y()))
        return {};
    return {*cols_.start(cell.x()), *rows_.start(cell.y()), cols_.size(cell.x()), rows_.size(cell.y())};
}

QPoint GridGeometry::cellAt(QPoint pos) const
{
    const int col = cols_.indexAt(pos.x());
    const int row = rows_.indexAt(pos.y());
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

bool GridGeometry::isNearBorder(QPoint pos, const QRect &rect)
{
    // The border lines lie one pixel outside the cell's own pixels.
    const int left = rect.left() - GridAxis::kLineWidth;
    const int right = rect.left() + rect.width();
    const int top = rect.top() - GridAxis::kLineWidth;
    const int bottom = rect.top() + rect.height();
    const bool inX = pos.x() >= left - 1 && pos.x() <= right + 1;
    const bool inY = pos.y() >= top - 1 && pos.y() <= bottom + 1;
    if (!inX || !inY)
        return false;
    return qAbs(pos.x() - left) <= 1 || qAbs(pos.x() - right) <= 1 || qAbs(pos.y() - top) <= 1 ||
           qAbs(pos.y() - bottom) <= 1;
}

bool GridGeometry::isInsideEditZone(QPoint pos, const QRect &rect)
{
    return pos.x() - rect.left() > 3 && rect.left() + rect.width() - pos.x() > 3;
}

bool GridGeometry::scrollIntoView(QPoint cell)
{
    const bool horizontal = cols_.scrollIntoView(cell.x());
    const bool vertical = rows_.scrollIntoView(cell.y());
    return horizontal || vertical;
}

bool GridGeometry::setZoom(int zoom)
{
    if (zoom < kMinZoom || zoom > kMaxZoom)
        return false;
    zoom_ = zoom;
    return true;
}
