#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a dialog that changes a window opens the first time, so that the
// window stays in sight: beside it, right, left, below or above, the first
// of these where the screen has room for the whole dialog; where none has,
// the one of them, moved into the screen, that covers the least of the
// window. All rectangles are outer ones, frames included.
[[nodiscard]] QPoint besideWindow(const QRect &screen, const QRect &window, const QSize &dialog);
