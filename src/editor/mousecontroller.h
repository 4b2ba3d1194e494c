#pragma once

#include <QPoint>

#include <functional>

class EditController;
class QMouseEvent;
class QWidget;
struct GridModel;

// Mouse presses on the grid: the focus, the current cell, direct editing,
// and the start of a drag from the selection's border.
class MouseController {
public:
    MouseController(GridModel &model, EditController &edit, QWidget &grid,
                    std::function<void(QPoint)> startDrag)
        : model_(model), edit_(edit), grid_(grid), startDrag_(std::move(startDrag))
    {
    }

    bool pressed(QMouseEvent *event);

private:
    GridModel &model_;
    EditController &edit_;
    QWidget &grid_;
    std::function<void(QPoint)> startDrag_;
};
