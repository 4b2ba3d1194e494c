#include "editor/mousecontroller.h"

#include "editor/clickrules.h"
#include "editor/editcontroller.h"
#include "editor/gridmodel.h"

#include <QMouseEvent>
#include <QWidget>

bool MouseController::pressed(QMouseEvent *event)
{
    event->accept();
    const QPoint pos = event->position().toPoint();
    const ClickRules::Press press =
        ClickRules::press(model_.geometry, model_.selection, pos, event->button());
    if (press.kind == ClickRules::Kind::StartDrag) {
        // Nothing else happens: the current cell, selection and editor stay.
        if (!edit_.isFocusedControl())
            grid_.setFocus(Qt::MouseFocusReason);
        startDrag_(pos);
        return true;
    }
    // Every press gives the grid the focus and hides the editor (its text
    // is already in the cell).
    edit_.hideEditor();
    grid_.setFocus(Qt::MouseFocusReason);
    if (press.kind == ClickRules::Kind::EditCurrent) {
        edit_.editCurrent();
    } else if (press.kind == ClickRules::Kind::MoveTo) {
        edit_.moveCurrent(press.cell, false);
        if (press.openEditor)
            edit_.openEditor(false);
    }
    return true;
}
