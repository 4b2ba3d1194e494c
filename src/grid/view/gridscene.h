#pragma once

#include "grid/model/cellstore.h"
#include "grid/model/edittracker.h"
#include "grid/model/gridgeometry.h"
#include "grid/model/gridselection.h"
#include "grid/model/gridstyle.h"
#include "grid/view/celltextcache.h"

#include <QFlags>
#include <QPalette>
#include <QRect>

#include <functional>

// How a cell is drawn: fixed (header), inside the selection, the focused
// current cell.
enum class DrawState { Selected = 0x1, Focused = 0x2, Fixed = 0x4 };
Q_DECLARE_FLAGS(DrawStates, DrawState)
Q_DECLARE_OPERATORS_FOR_FLAGS(DrawStates)

// OnDrawCell: called for every cell drawn, after its default drawing.
using DrawCellHandler = std::function<void(int col, int row, const QRect &rect, DrawStates state)>;

// What one paint pass reads from the grid. The references are read as the
// pass goes (the OnDrawCell handler may change the grid between two cells);
// the fonts and the focus are taken once when the pass starts.
struct GridScene {
    const GridGeometry &geometry;
    const CellStore &cells;
    const GridSelection &selection;
    const EditTracker &edit;
    const DrawCellHandler &onDrawCell;
    const QPalette &palette; // the raised edges of the fixed cells
    const GridStyle &style;
    QFont font;                // the cell font, zoomed
    QFont fixedFont;           // the fixed font, zoomed
    bool showsFocus;           // the current cell shows the focus rectangle
    CellTextCache &texts;      // for the cell font
    CellTextCache &fixedTexts; // for the fixed font
};
