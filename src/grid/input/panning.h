#pragma once

#include <QPoint>

// Middle-button panning, vertical only: while it lasts, a timer every
// kIntervalMs moves the current row one row toward the pointer when the
// pointer is more than kDeadZone pixels above or below the point where
// panning began; sideways movement does nothing. Any mouse-button press or
// key press ends it.
enum class PanDirection { None, Up, Down };

class Panning {
public:
    static constexpr int kIntervalMs = 10;
    static constexpr int kDeadZone = 5;

    // Where the pointer at `pointer` pans, for panning begun at `origin`.
    [[nodiscard]] static PanDirection direction(QPoint origin, QPoint pointer);
    // The current row after one timer step, within firstRow..lastRow.
    [[nodiscard]] static int rowAfterStep(int row, PanDirection direction, int firstRow, int lastRow);
};
