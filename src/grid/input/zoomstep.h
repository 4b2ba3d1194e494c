#pragma once

#include "grid/model/gridgeometry.h"

#include <optional>
#include <span>

// Ctrl with the wheel zooms the grid: the zoom is added to the font size
// when cells are drawn and measured.
class ZoomStep {
public:
    static constexpr int kMinZoom = GridGeometry::kMinZoom;
    static constexpr int kMaxZoom = GridGeometry::kMaxZoom;

    // The zoom after a wheel event of `notches` whole notches (WheelNotches):
    // it grows by the wheel-scroll lines for a wheel turned toward the user
    // (negative notches) and shrinks by them for the other direction, once
    // per event. Nothing when no notch completed or when the result would
    // leave kMinZoom..kMaxZoom (the zoom then stays).
    [[nodiscard]] static std::optional<int> zoomAfterWheel(int zoom, int notches, int lines);

    // Changes every size by `change` pixels (the zoom's change), each only
    // where the result stays above 0.
    static void resize(std::span<int> sizes, int change);
};
