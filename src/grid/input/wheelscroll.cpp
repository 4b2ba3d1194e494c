#include "grid/input/wheelscroll.h"

#include <QtGlobal>

#include <algorithm>

int WheelNotches::add(int delta)
{
    if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0))
        rest_ = 0;
    // In 64 bits: a delta near the int limits plus a rest must not wrap.
    const qint64 total = qint64(rest_) + delta;
    const qint64 notches = total / kNotch;
    rest_ = int(total - notches * kNotch);
    return int(notches);
}

int rowAfterWheel(int row, int notches, int lines, WheelRowMove move, int firstRow, int lastRow)
{
    if (notches == 0)
        return row;
    const qint64 up = notches > 0 ? -1 : 1;
    qint64 target = row;
    if (move == WheelRowMove::LinesAndNotches)
        target = std::clamp<qint64>(target + up * std::max(lines, 0), firstRow, lastRow);
    return int(std::clamp<qint64>(target + up * qAbs(qint64(notches)), firstRow, lastRow));
}
