#include "grid/input/zoomstep.h"

#include <QtGlobal>

#include <limits>

std::optional<int> ZoomStep::zoomAfterWheel(int zoom, int notches, int lines)
{
    if (notches == 0)
        return std::nullopt;
    const qint64 next = qint64(zoom) + (notches < 0 ? qint64(lines) : -qint64(lines));
    if (next < kMinZoom || next > kMaxZoom)
        return std::nullopt;
    return int(next);
}

void ZoomStep::resize(std::span<int> sizes, int change)
{
    for (int &size : sizes) {
        const qint64 next = qint64(size) + change;
        if (next > 0 && next <= std::numeric_limits<int>::max())
            size = int(next);
    }
}
