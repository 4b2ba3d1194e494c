#pragma once

#include "grid/input/pancursors.h"
#include "grid/input/panning.h"

#include <QPoint>
#include <QTimer>

#include <memory>

class EditController;
class QWidget;
struct GridModel;

// Middle-button panning: a middle press starts it, then every few
// milliseconds the current row moves toward the pointer while it stands
// above or below the start point. Any mouse-button press or key press ends
// it and restores the pointer.
class PanController {
public:
    PanController(GridModel &model, EditController &edit, QWidget &viewport);

    // A middle press at `pos` (viewport pixels) starts panning.
    void start(QPoint pos);
    // Ends panning; returns whether it was on (the input that ended it is
    // used up).
    bool stop();
    [[nodiscard]] bool isPanning() const { return timer_.isActive(); }

private:
    void step();

    GridModel &model_;
    EditController &edit_;
    QWidget &viewport_;
    QTimer timer_;
    QPoint origin_;
    std::unique_ptr<PanCursors> cursors_; // made at the first pan
};
