#include "grid/input/mousecontroller.h"

#include "grid/input/clickrules.h"
#include "grid/input/editcontroller.h"
#include "grid/input/pancontroller.h"
#include "grid/model/gridmodel.h"
#include "grid/transfer/dragdropcontroller.h"

#include <QMouseEvent>
#include <QWidget>

bool MouseController::pressed(QMouseEvent *event)
{
    event->accept();
    // A press while panning only ends it.
    if (pan_.stop())
        return true;
    const QPoint pos = event->position().toPoint();
    const ClickRules::Press press =
        ClickRules::press(model_.geometry, model_.selection, pos, event->button());
    if (press.kind == ClickRules::Kind::StartDrag) {
        // Nothing else happens: the current cell, selection and editor stay.
        if (!edit_.isFocusedControl())
            grid_.setFocus(Qt::MouseFocusReason);
        dragDrop_.startDrag();
        return true;
    }
    // Every press gives the grid the focus and hides the editor (its text
    // is already in the cell).
    edit_.hideEditor();
    grid_.setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::MiddleButton) {
        pan_.start(pos);
    } else if (press.kind == ClickRules::Kind::EditCurrent) {
        edit_.editCurrent();
    } else if (press.kind == ClickRules::Kind::MoveTo) {
        edit_.moveCurrent(press.cell, false);
        if (press.openEditor)
            edit_.openEditor(false);
    } else if (press.kind == ClickRules::Kind::ContextMenu) {
        // The menu acts on the selection the press lies in; outside it the
        // press moves there as a left press does, without opening the editor.
        if (!model_.selection.contains(press.cell))
            edit_.moveCurrent(press.cell, false);
        view_.contextMenuRequested(pos);
    }
    return true;
}
