#pragma once

#include "grid/model/edittracker.h"
#include "grid/model/gridmodel.h"

#include <QPoint>
#include <QString>

#include <functional>

class GridUndo;
class InplaceEditor;
class QWidget;

// OnGetEditText: the in-place editor is being loaded from a cell; the
// handler may change the text the editor takes.
using GetEditTextHandler = std::function<void(int col, int row, QString &value)>;

// The life of the in-place editor and of the current cell: writes of cells,
// moves of the current cell, opening, loading and closing the editor, the
// validation check's triggers, Escape, and the grid becoming and stopping
// being its window's focused control.
class EditController : public CheckTarget {
public:
    EditController(GridModel &model, GridUndo &undo, InplaceEditor &editor, QWidget &grid, GridView &view,
                   const GetEditTextHandler &onGetEditText, const CellValidateHandler &onCellValidate);

    // A write by the program: raises "Grid index out of range" outside the
    // grid; reloads an editor shown over the cell.
    void setCell(QPoint cell, const QString &text);
    // Makes an editable cell current (collapsing the selection) and arms the
    // check on it; any other cell raises "Grid index out of range".
    void setCurrent(QPoint cell);
    // A move by the user: the editor closes, the cell becomes current, then
    // the check runs on the cell that was watched.
    void moveCurrent(QPoint cell, bool extend);

    void openEditor(bool caretAtEnd);
    // Hides the editor without ending editor mode; its text is already in the cell.
    void hideEditor();
    void closeEditor();
    // Follows the current cell after a scroll or a resize.
    void placeEditor();
    // Enter in the editor: closes it when the check finds the text valid.
    void commit();
    // A press on the current cell: the editor opens, then the check runs.
    void editCurrent();
    // Writes the restore text back, then the cell's text once more; an open
    // editor is reloaded after each write. No validation.
    void restore();
    // The user typed in the editor: straight into the cell, no event.
    void editorTextEdited(const QString &text);

    // Focus changes of the grid itself and of its editor.
    void gridFocusIn();
    void gridFocusOut(Qt::FocusReason reason);
    void editorFocusIn() { focusArrived(); }
    void editorFocusOut(Qt::FocusReason reason);
    // Whether the grid (or its editor) is its window's focused control.
    [[nodiscard]] bool isFocusedControl() const { return focusedControl_; }
    [[nodiscard]] bool showsFocus() const;

    // CheckTarget
    [[nodiscard]] QString cellText(QPoint cell) const override;
    void writeCell(QPoint cell, const QString &text) override { setCell(cell, text); }
    [[nodiscard]] QPoint currentCell() const override { return model_.selection.current(); }
    void returnTo(QPoint cell) override;

private:
    void makeCurrent(QPoint cell, bool extend);
    bool runCheck() { return model_.edit.check(*this, onCellValidate_); }
    void focusArrived();
    void focusLeft(Qt::FocusReason reason, QWidget *next);
    void showEditor(bool reload);
    void loadEditor();

    GridModel &model_;
    GridUndo &undo_;
    InplaceEditor &editor_;
    QWidget &grid_;
    GridView &view_;
    const GetEditTextHandler &onGetEditText_;
    const CellValidateHandler &onCellValidate_;
    bool focusedControl_ = false;
    // The cell of the edit in progress and its text when the edit began:
    // a finished edit is one undo step.
    QPoint editedCell_;
    QString editStartText_;
};
