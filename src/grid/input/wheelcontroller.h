#pragma once

#include "grid/input/wheelscroll.h"

class EditController;
class QWheelEvent;
class QWidget;
struct GridModel;
class GridView;

// The mouse wheel moves the current row; with Ctrl it zooms the grid.
class WheelController {
public:
    WheelController(GridModel &model, EditController &edit, GridView &view, QWidget &editor)
        : model_(model), edit_(edit), view_(view), editor_(editor)
    {
    }

    void wheelTurned(QWheelEvent *event);

private:
    void zoom(int notches, int lines);

    GridModel &model_;
    EditController &edit_;
    GridView &view_;
    QWidget &editor_;
    WheelNotches notches_;
};
