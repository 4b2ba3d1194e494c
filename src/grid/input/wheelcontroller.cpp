#include "grid/input/wheelcontroller.h"

#include "grid/input/editcontroller.h"
#include "grid/input/zoomstep.h"
#include "grid/model/gridmodel.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

void WheelController::wheelTurned(QWheelEvent *event)
{
    event->accept();
    const int notches = notches_.add(event->angleDelta().y());
    if (notches == 0)
        return;
    const int lines = QApplication::wheelScrollLines();
    WheelRowMove move = WheelRowMove::LinesAndNotches;
    if (event->modifiers() & Qt::ControlModifier) {
        zoom(notches, lines);
        move = WheelRowMove::NotchesOnly;
    } else if (editor_.hasFocus()) {
        move = WheelRowMove::NotchesOnly;
    }
    const QPoint current = model_.selection.current();
    const int firstRow = model_.geometry.rows().fixedCount();
    const int row = rowAfterWheel(current.y(), notches, lines, move, firstRow, model_.cells.rowCount() - 1);
    if (row != current.y())
        edit_.moveCurrent({current.x(), row}, false);
}

void WheelController::zoom(int notches, int lines)
{
    const int old = model_.geometry.zoom();
    const std::optional<int> zoom = ZoomStep::zoomAfterWheel(old, notches, lines);
    if (!zoom || !model_.geometry.setZoom(*zoom))
        return;
    ZoomStep::resize(model_.geometry.columns().sizes(), *zoom - old);
    ZoomStep::resize(model_.geometry.rows().sizes(), *zoom - old);
    view_.zoomChanged();
}
