#include "about/explodeanimation.h"

#include "platform/gui/screenoutliner.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace {

// Nearest integer, halves to even (the default rounding mode).
int rounded(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

std::vector<Edges> ExplodeAnimation::rectangles(const Edges &window, QPoint pointer)
{
    const int x = pointer.x();
    const int y = pointer.y();
    const auto [l, t, r, b] = window;
    // Integer division truncates towards zero.
    const int m = x + (l - x) / 2;
    std::vector<Edges> result;
    result.reserve(2 * steps);
    for (int i = 1; i <= steps; ++i) {
        const int left = rounded(x + i * (m - x) / double(steps));
        const int top = rounded(y + i * (b - y) / double(steps));
        result.push_back({left, top, left + 20, top + 10});
    }
    for (int i = 1; i <= steps; ++i) {
        const int left = rounded(m + i * (l - m) / double(steps));
        const int top = rounded(b + i * (t - b) / double(steps));
        const int right = rounded(left + 20 + i * (r - l - 20) / double(steps));
        const int bottom = rounded(top + 10 + i * (b - t - 10) / double(steps));
        result.push_back({left, top, right, bottom});
    }
    return result;
}

std::chrono::microseconds ExplodeAnimation::pause(int delay)
{
    return std::chrono::microseconds(20 * std::max(delay, 1));
}

void ExplodeAnimation::run(ScreenOutliner &outliner, const Edges &window, QPoint pointer, int delay)
{
    const std::vector<Edges> trail = rectangles(window, pointer);
    for (int pass = 0; pass < 2; ++pass) {
        for (const Edges &edges : trail) {
            std::this_thread::sleep_for(pause(delay));
            outliner.invertOutline(edges.toRect());
        }
    }
}
