#pragma once

// The mouse wheel over the grid, without a window.
//
// A wheel event counts once its delta, with what earlier events left over,
// makes at least one whole notch (120 units): a classic wheel sends one
// notch per event, a high-resolution wheel or a touchpad sends parts of one,
// which add up here and are never lost, and do not each move the grid by
// the wheel-scroll lines. The controller thus does, per event:
//   notches = accumulator.add(angleDelta)
//   if notches != 0:
//     with Ctrl: zoom by zoomAfterWheel(), then rowAfterWheel(NotchesOnly)
//     in the in-place editor: rowAfterWheel(NotchesOnly), closing it
//     otherwise: rowAfterWheel(LinesAndNotches)

// Adds wheel deltas up to whole notches; positive deltas turn the wheel
// away from the user (up).
class WheelNotches {
public:
    static constexpr int kNotch = 120;

    // The whole notches completed by this delta (negative toward the user);
    // the rest is kept for the next event. A turn in the other direction
    // drops the rest left by the former one.
    [[nodiscard]] int add(int delta);
    [[nodiscard]] int rest() const { return rest_; }
    void reset() { rest_ = 0; }

private:
    int rest_ = 0;
};

enum class WheelRowMove {
    LinesAndNotches, // the wheel-scroll lines once, then one row per notch
    NotchesOnly,     // one row per notch (zooming, or the in-place editor)
};

// The current row after a wheel event of `notches` whole notches (positive
// away from the user, which moves up), with `lines` the system's
// wheel-scroll lines; each movement stays within firstRow..lastRow. No
// notches, no movement.
[[nodiscard]] int rowAfterWheel(int row, int notches, int lines, WheelRowMove move, int firstRow,
                                int lastRow);
