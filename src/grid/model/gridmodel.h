#pragma once

#include "grid/model/cellstore.h"
#include "grid/model/edittracker.h"
#include "grid/model/gridgeometry.h"
#include "grid/model/gridselection.h"
#include "grid/model/gridstyle.h"

// The grid's document and view state, shared by its controllers and its
// painter: cell texts, layout, selection, edit tracking and style.
struct GridModel {
    CellStore cells;
    GridGeometry geometry;
    GridSelection selection;
    EditTracker edit;
    GridStyle style;
};

// What the controllers ask of the widget that shows the model.
class GridView {
public:
    virtual void invalidateCell(QPoint cell) = 0;
    virtual void invalidateAll() = 0;
    // The scroll position changed: the scroll bars and the editor follow.
    virtual void viewScrolled() = 0;
    // Moves the keyboard focus from the in-place editor to the grid itself;
    // this is no change of the window's focused control.
    virtual void focusGridItself() = 0;
    // The cells' column or row count grew: the layout follows.
    virtual void countsChanged() = 0;
    // The zoom or the cell sizes changed: fonts and layout follow.
    virtual void zoomChanged() = 0;
    // The user asked for a context menu at this point of the viewport.
    virtual void contextMenuRequested(QPoint pos) = 0;

protected:
    ~GridView() = default;
};
