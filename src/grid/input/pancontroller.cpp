#include "grid/input/pancontroller.h"

#include "grid/input/editcontroller.h"
#include "grid/model/gridmodel.h"
#include "platform/gui/errorreporting.h"

#include <QCursor>
#include <QWidget>

PanController::PanController(GridModel &model, EditController &edit, QWidget &viewport)
    : model_(model), edit_(edit), viewport_(viewport)
{
    timer_.setInterval(Panning::kIntervalMs);
    QObject::connect(&timer_, &QTimer::timeout, &viewport_, [this] { guarded([this] { step(); }); });
}

void PanController::start(QPoint pos)
{
    if (!cursors_)
        cursors_ = std::make_unique<PanCursors>();
    origin_ = pos;
    viewport_.setCursor(cursors_->cursor(PanDirection::None));
    timer_.start();
}

bool PanController::stop()
{
    if (!timer_.isActive())
        return false;
    timer_.stop();
    viewport_.unsetCursor();
    return true;
}

void PanController::step()
{
    const PanDirection direction = Panning::direction(origin_, viewport_.mapFromGlobal(QCursor::pos()));
    viewport_.setCursor(cursors_->cursor(direction));
    const QPoint current = model_.selection.current();
    const int row = Panning::rowAfterStep(current.y(), direction, model_.geometry.rows().fixedCount(),
                                          model_.cells.rowCount() - 1);
    if (row != current.y())
        edit_.moveCurrent({current.x(), row}, false);
}
