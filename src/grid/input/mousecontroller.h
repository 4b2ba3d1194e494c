#pragma once

class DragDropController;
class EditController;
class PanController;
class QMouseEvent;
class QWidget;
struct GridModel;

// Mouse presses on the grid: the focus, the current cell, direct editing,
// the start of a drag from the selection's border, and middle-button
// panning.
class MouseController {
public:
    MouseController(GridModel &model, EditController &edit, DragDropController &dragDrop, PanController &pan,
                    QWidget &grid)
        : model_(model), edit_(edit), dragDrop_(dragDrop), pan_(pan), grid_(grid)
    {
    }

    bool pressed(QMouseEvent *event);

private:
    GridModel &model_;
    EditController &edit_;
    DragDropController &dragDrop_;
    PanController &pan_;
    QWidget &grid_;
};
