#include "grid/model/edittracker.h"

void EditTracker::rearm(const CheckTarget &target)
{
    checkCell_ = target.currentCell();
    checkText_ = target.cellText(checkCell_);
}

bool EditTracker::check(CheckTarget &target, const CellValidateHandler &onCellValidate)
{
    bool valid = true;
    const QPoint cell = checkCell_;
    const QString present = target.cellText(cell);
    if (present != checkText_) {
        QString value = present;
        if (onCellValidate)
            onCellValidate(cell.x(), cell.y(), value, valid);
        if (value != target.cellText(cell)) {
            target.writeCell(cell, value);
        } else if (!valid) {
            target.writeCell(cell, checkText_);
            if (cell != target.currentCell())
                target.returnTo(cell);
        }
    }
    rearm(target);
    return valid;
}
