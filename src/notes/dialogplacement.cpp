#include "notes/dialogplacement.h"

#include <algorithm>
#include <array>

namespace {

// `from` moved as little as needed to bring `length` into [first, last]; a
// dialog longer than the screen starts at its start.
int keptInside(int from, int length, int first, int last)
{
    return std::max(first, std::min(from, last + 1 - length));
}

QRect keptInside(const QRect &dialog, const QRect &screen)
{
    return {keptInside(dialog.left(), dialog.width(), screen.left(), screen.right()),
            keptInside(dialog.top(), dialog.height(), screen.top(), screen.bottom()), dialog.width(),
            dialog.height()};
}

qint64 area(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

QPoint besideWindow(const QRect &screen, const QRect &window, const QSize &dialog)
{
    // Each side lines the dialog up with the window's top or left edge.
    const std::array<QRect, 4> sides = {
        QRect(QPoint(window.right() + 1, window.top()), dialog),
        QRect(QPoint(window.left() - dialog.width(), window.top()), dialog),
        QRect(QPoint(window.left(), window.bottom() + 1), dialog),
        QRect(QPoint(window.left(), window.top() - dialog.height()), dialog),
    };
    QRect best;
    qint64 bestCovered = -1;
    for (const QRect &side : sides) {
        const QRect placed = keptInside(side, screen);
        const qint64 covered = area(placed.intersected(window));
        if (bestCovered < 0 || covered < bestCovered) {
            best = placed;
            bestCovered = covered;
        }
    }
    return best.topLeft();
}
