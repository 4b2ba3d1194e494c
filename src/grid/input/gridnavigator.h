#pragma once

#include <QPoint>

#include <optional>

// The keyboard moves of the grid: which cell a navigation key makes current
// and how the view scrolls, from the grid's size and what it shows.
class GridNavigator {
public:
    struct View {
        int colCount;
        int rowCount;
        int fixedCols;
        int fixedRows;
        int leftCol; // first visible scrolling column
        int topRow;  // first visible scrolling row
        int colPage; // last fully visible column minus leftCol, at least 1
        int rowPage; // last fully visible row minus topRow, at least 1
        int lastFullyVisibleRow;
    };

    struct Move {
        QPoint current;             // clamped to the editable cells
        std::optional<int> leftCol; // a new scroll position, not yet clamped
        std::optional<int> topRow;
        bool extend = false; // Shift held: the anchor stays
    };

    // The move for a key, or nothing when the key is not a navigation key.
    [[nodiscard]] static std::optional<Move> move(int key, Qt::KeyboardModifiers modifiers, QPoint current,
                                                  const View &view);
};
