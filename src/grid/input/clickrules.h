#pragma once

#include <QPoint>
#include <Qt>

class GridGeometry;
class GridSelection;

// What a mouse press on the grid does, from where it lies.
class ClickRules {
public:
    enum class Kind {
        StartDrag,   // on a border line of a selected cell: a drag of the selection's text
        FocusOnly,   // any other button, a fixed cell, or no cell: the grid takes the focus
        EditCurrent, // on the current cell: its editor opens
        MoveTo,      // on another editable cell: it becomes current
        ContextMenu, // right button on an editable cell: a context menu for it
    };

    struct Press {
        Kind kind = Kind::FocusOnly;
        QPoint cell;             // for EditCurrent, MoveTo and ContextMenu
        bool openEditor = false; // MoveTo: the press lies inside the direct-edit zone
    };

    [[nodiscard]] static Press press(const GridGeometry &geometry, const GridSelection &selection, QPoint pos,
                                     Qt::MouseButton button);

    // Whether the point lies at most one pixel from a border line of a
    // selected editable cell.
    [[nodiscard]] static bool isOnSelectionBorder(const GridGeometry &geometry,
                                                  const GridSelection &selection, QPoint pos);
};
