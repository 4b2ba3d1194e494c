#include "grid/input/panning.h"

#include <algorithm>

PanDirection Panning::direction(QPoint origin, QPoint pointer)
{
    const qint64 dy = qint64(pointer.y()) - origin.y();
    if (dy < -kDeadZone)
        return PanDirection::Up;
    if (dy > kDeadZone)
        return PanDirection::Down;
    return PanDirection::None;
}

int Panning::rowAfterStep(int row, PanDirection direction, int firstRow, int lastRow)
{
    const int step = direction == PanDirection::Up ? -1 : direction == PanDirection::Down ? 1 : 0;
    return std::clamp(row + step, firstRow, lastRow);
}
