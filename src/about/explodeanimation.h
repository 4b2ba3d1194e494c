#pragma once

#include <QPoint>
#include <QRect>

#include <chrono>
#include <vector>

class ScreenOutliner;

// A rectangle by its edges; right and bottom lie just outside it.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] static Edges of(const QRect &rect)
    {
        return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }
    [[nodiscard]] QRect toRect() const { return {left, top, right - left, bottom - top}; }
    friend bool operator==(const Edges &, const Edges &) = default;
};

// The explode animation that runs before the About box appears: small
// rectangles travel from the mouse pointer to below the middle of the box's
// left half, then grow into the box's own rectangle.
namespace ExplodeAnimation {
inline constexpr int steps = 40;

// The 80 rectangles of one pass: the 40 of the trail, then the 40 that grow
// into `window`, the last of them `window` itself.
[[nodiscard]] std::vector<Edges> rectangles(const Edges &window, QPoint pointer);

// The pause before each rectangle for the effect delay `delay` (0 counts
// as 1): 20 microseconds a unit, so the delay of 75 gives 1.5 ms and the two
// passes of 80 rectangles take about a quarter of a second.
[[nodiscard]] std::chrono::microseconds pause(int delay);

// Draws the rectangles twice, pausing before each: the first pass leaves a
// trail, the second erases it. Blocks until done; no events are handled
// meanwhile.
void run(ScreenOutliner &outliner, const Edges &window, QPoint pointer, int delay);
} // namespace ExplodeAnimation
