#include "settings/browserplacement.h"

QPoint browserPosition(const QRect &bounds, const QSize &size, const QRect &screen)
{
    // Edges as exclusive coordinates: right = left + width.
    const int boundsRight = bounds.x() + bounds.width();
    const int boundsBottom = bounds.y() + bounds.height();
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    int left = bounds.x() + (bounds.width() - size.width()) / 2;
    int top = bounds.y() + (bounds.height() - size.height()) / 2;
    if (top + size.height() > screenBottom)
        top = boundsBottom - size.height();
    if (left + size.width() > screenRight)
        left = boundsRight - size.width();
    // Aligning with a window that reaches past the screen would push the
    // buttons off it.
    top = qMin(top, screenBottom - size.height());
    left = qMin(left, screenRight - size.width());
    return {qMax(left, screen.x()), qMax(top, screen.y())};
}
