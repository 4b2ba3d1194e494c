#include "grid/input/editcontroller.h"

#include "grid/input/inplaceeditor.h"
#include "grid/model/gridundo.h"
#include "platform/core/exceptions.h"

#include <QApplication>

namespace {

const QString kIndexOutOfRange = QStringLiteral("Grid index out of range");

} // namespace

EditController::EditController(GridModel &model, GridUndo &undo, InplaceEditor &editor, QWidget &grid,
                               GridView &view, const GetEditTextHandler &onGetEditText,
                               const CellValidateHandler &onCellValidate)
    : model_(model), undo_(undo), editor_(editor), grid_(grid), view_(view), onGetEditText_(onGetEditText),
      onCellValidate_(onCellValidate)
{
    model_.edit.rearm(*this);
}

QString EditController::cellText(QPoint cell) const
{
    return model_.cells.text(cell.x(), cell.y());
}

// ---- Cells and the current cell ---------------------------------------------

void EditController::setCell(QPoint cell, const QString &text)
{
    if (!model_.cells.contains(cell.x(), cell.y()))
        throw EInvalidGridOperation(kIndexOutOfRange);
    model_.cells.setText(cell.x(), cell.y(), text);
    view_.invalidateCell(cell);
    if (cell == currentCell() && model_.edit.isEditorMode() && focusedControl_)
        showEditor(true);
}

void EditController::setCurrent(QPoint cell)
{
    if (!model_.geometry.isEditable(cell))
        throw EInvalidGridOperation(kIndexOutOfRange);
    closeEditor();
    makeCurrent(cell, false);
    model_.edit.rearm(*this);
}

void EditController::makeCurrent(QPoint cell, bool extend)
{
    model_.edit.setRestoreText(cellText(cell));
    model_.selection.moveTo(cell, extend);
    if (model_.geometry.scrollIntoView(cell))
        view_.viewScrolled();
    view_.invalidateAll();
}

void EditController::moveCurrent(QPoint cell, bool extend)
{
    closeEditor();
    makeCurrent(cell, extend);
    if (model_.edit.isEntered())
        runCheck();
    else
        model_.edit.rearm(*this);
}

void EditController::returnTo(QPoint cell)
{
    closeEditor();
    makeCurrent(cell, false);
}

// ---- The in-place editor ------------------------------------------------------

void EditController::openEditor(bool caretAtEnd)
{
    if (!model_.edit.isEditorMode()) {
        editedCell_ = currentCell();
        editStartText_ = cellText(editedCell_);
    }
    model_.edit.setEditorMode(true);
    showEditor(false);
    if (caretAtEnd) {
        editor_.deselect();
        editor_.end(false);
    }
}

void EditController::showEditor(bool reload)
{
    if (reload || !model_.edit.isLoadedFrom(currentCell()))
        loadEditor();
    placeEditor();
    editor_.show();
    if (grid_.window()->focusWidget() != &editor_)
        editor_.setFocus(Qt::OtherFocusReason);
}

void EditController::loadEditor()
{
    const QPoint cell = currentCell();
    QString value = cellText(cell);
    if (onGetEditText_)
        onGetEditText_(cell.x(), cell.y(), value);
    editor_.setText(value);
    editor_.selectAll();
    model_.edit.setLoadedFrom(cell);
}

void EditController::placeEditor()
{
    const QRect rect = model_.geometry.cellRect(currentCell());
    // A current cell scrolled out of view keeps its editor, out of sight.
    editor_.setGeometry(rect.isEmpty() ? QRect(-10000, -10000, 1, 1) : rect);
}

void EditController::hideEditor()
{
    model_.edit.clearLoadedFrom();
    if (editor_.isHidden())
        return;
    if (grid_.window()->focusWidget() == &editor_)
        view_.focusGridItself();
    editor_.hide();
    view_.invalidateCell(currentCell());
}

void EditController::closeEditor()
{
    hideEditor();
    if (model_.edit.isEditorMode()) {
        model_.edit.setEditorMode(false);
        view_.invalidateCell(currentCell());
        undo_.recordEdit(editedCell_, editStartText_, cellText(editedCell_));
    }
}

void EditController::commit()
{
    if (runCheck())
        closeEditor();
}

void EditController::editCurrent()
{
    openEditor(false);
    if (model_.edit.isEntered())
        runCheck();
}

void EditController::restore()
{
    const QPoint cell = currentCell();
    const QString before = cellText(cell);
    setCell(cell, model_.edit.restoreText());
    setCell(cell, cellText(cell));
    // During an edit the edit's own step takes it in when the edit ends.
    if (!model_.edit.isEditorMode())
        undo_.recordEdit(cell, before, cellText(cell));
}

void EditController::editorTextEdited(const QString &text)
{
    // The editor covers the cell, so nothing needs repainting.
    const QPoint cell = currentCell();
    if (model_.edit.isLoadedFrom(cell))
        model_.cells.setText(cell.x(), cell.y(), text);
}

// ---- Focus ---------------------------------------------------------------------
//
// "The grid is its window's focused control" is our own flag. Focus moves
// caused by window activation, popups, or the error box disabling the window
// do not change it; only a move to another control of the same window does.
// Otherwise an error box shown during an edit would look like the user
// leaving the grid and start a validation check of its own.

void EditController::focusArrived()
{
    view_.invalidateAll();
    // A window activation counts only the first time: the flag is cleared
    // by real moves alone, so a re-activation finds it still set.
    if (focusedControl_ || !grid_.window()->isEnabled())
        return;
    focusedControl_ = true;
    model_.edit.setEntered();
    model_.edit.rearm(*this);
    model_.edit.setRestoreText(cellText(currentCell()));
}

void EditController::gridFocusIn()
{
    focusArrived();
    if (model_.edit.isEditorMode())
        showEditor(false);
}

void EditController::gridFocusOut(Qt::FocusReason reason)
{
    // The grid itself losing the focus hides the editor; editor mode stays.
    QWidget *next = QApplication::focusWidget();
    if (next != &editor_)
        hideEditor();
    focusLeft(reason, next);
}

void EditController::focusLeft(Qt::FocusReason reason, QWidget *next)
{
    view_.invalidateAll();
    if (!focusedControl_ || !grid_.window()->isEnabled())
        return;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (next == nullptr || next == &grid_ || next == &editor_ || next->window() != grid_.window())
        return;
    focusedControl_ = false;
    runCheck();
    closeEditor();
}

bool EditController::showsFocus() const
{
    return focusedControl_ && (grid_.hasFocus() || editor_.hasFocus());
}

void EditController::editorFocusOut(Qt::FocusReason reason)
{
    focusLeft(reason, QApplication::focusWidget());
}
