#pragma once

#include "grid/input/panning.h"

#include <QCursor>
#include <QPixmap>

#include <array>

// The pointer shapes of middle-button panning, drawn here: still (a dot
// with an arrow up and an arrow down), panning up (the dot and the arrow
// up), panning down (the dot and the arrow down). Black with a white rim,
// so they show on any cell colour; the hot spot is the dot. Needs a
// QGuiApplication.
class PanCursors {
public:
    static constexpr int kSize = 32;

    PanCursors();

    // PanDirection::None is the still cursor.
    [[nodiscard]] const QCursor &cursor(PanDirection direction) const { return cursors_[index(direction)]; }
    [[nodiscard]] static QPixmap pixmap(PanDirection direction);

private:
    [[nodiscard]] static std::size_t index(PanDirection direction) { return std::size_t(direction); }

    std::array<QCursor, 3> cursors_;
};
