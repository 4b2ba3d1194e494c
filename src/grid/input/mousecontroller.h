#pragma once

class DragDropController;
class EditController;
class GridView;
class PanController;
class QMouseEvent;
class QWidget;
struct GridModel;

// Mouse presses on the grid: the focus, the current cell, direct editing,
// the start of a drag from the selection's border, middle-button panning,
// and the right button's request for a context menu.
class MouseController {
public:
    MouseController(GridModel &model, EditController &edit, DragDropController &dragDrop, PanController &pan,
                    QWidget &grid, GridView &view)
        : model_(model), edit_(edit), dragDrop_(dragDrop), pan_(pan), grid_(grid), view_(view)
    {
    }

    bool pressed(QMouseEvent *event);

private:
    GridModel &model_;
    EditController &edit_;
    DragDropController &dragDrop_;
    PanController &pan_;
    QWidget &grid_;
    GridView &view_;
};
