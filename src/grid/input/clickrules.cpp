#include "grid/input/clickrules.h"

#include "grid/model/gridgeometry.h"
#include "grid/model/gridselection.h"

ClickRules::Press ClickRules::press(const GridGeometry &geometry, const GridSelection &selection, QPoint pos,
                                    Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        const QPoint cell = geometry.cellAt(pos);
        if (!geometry.isEditable(cell))
            return {};
        return {Kind::ContextMenu, cell, false};
    }
    if (button != Qt::LeftButton)
        return {};
    if (isOnSelectionBorder(geometry, selection, pos))
        return {Kind::StartDrag, {}, false};
    const QPoint cell = geometry.cellAt(pos);
    if (!geometry.isEditable(cell))
        return {};
    if (cell == selection.current())
        return {Kind::EditCurrent, cell, true};
    return {Kind::MoveTo, cell, GridGeometry::isInsideEditZone(pos, geometry.cellRect(cell))};
}

bool ClickRules::isOnSelectionBorder(const GridGeometry &geometry, const GridSelection &selection, QPoint pos)
{
    const QPoint hit = geometry.cellAt(pos);
    if (hit.x() < 0)
        return false;
    // The point may lie on the line of a neighbour of the cell it hits.
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint cell = hit + QPoint(dx, dy);
            if (!geometry.isEditable(cell) || !selection.contains(cell))
                continue;
            const QRect rect = geometry.cellRect(cell);
            if (!rect.isEmpty() && GridGeometry::isNearBorder(pos, rect))
                return true;
        }
    }
    return false;
}
