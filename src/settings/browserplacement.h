#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a dialog of `size` opens over the active window whose frame is
// `bounds`, on the screen with geometry `screen` (top left (0, 0) on a single
// screen):
// - centred over the window, halves rounded toward zero;
// - if its bottom would then pass the screen's bottom, aligned with the
//   window's bottom instead; if its right edge would pass the screen's right
//   edge, aligned with the window's right edge;
// - if it still passes the screen's bottom or right edge (the window itself
//   reaches past the screen), moved back onto the screen;
// - a coordinate before the screen's left or top edge becomes that edge.
[[nodiscard]] QPoint browserPosition(const QRect &bounds, const QSize &size, const QRect &screen);
