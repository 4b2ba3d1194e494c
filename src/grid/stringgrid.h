#pragma once

#include "grid/access/accessiblecells.h"
#include "grid/access/gridaccesssource.h"
#include "grid/input/editcontroller.h"
#include "grid/input/editorhost.h"
#include "grid/input/keyboardcontroller.h"
#include "grid/input/layoutcontroller.h"
#include "grid/input/mousecontroller.h"
#include "grid/input/pancontroller.h"
#include "grid/input/scrollbarcontroller.h"
#include "grid/input/wheelcontroller.h"
#include "grid/model/gridmodel.h"
#include "grid/model/gridundo.h"
#include "grid/transfer/clipboardcontroller.h"
#include "grid/transfer/dragdropcontroller.h"
#include "grid/view/gridscene.h"
#include "platform/gui/errorreporting.h"

#include <QAbstractScrollArea>

class InplaceEditor;
class QAccessibleInterface;
class QLineEdit;

// The name assistive technology reads for a cell: its text unless the
// handler changes it (a cell that shows a picture instead of its text).
using AccessibleNameHandler = std::function<void(int col, int row, QString &name)>;

// A string grid with one block of fixed (header) cells at the top and left,
// in-place editing, a validation check for finished edits, keyboard
// navigation and column auto-sizing. The widget builds its model and hands
// every event to the controller that owns that kind of input; each paint
// pass goes to a GridPainter.
//
// Tab and Shift+Tab stay inside the grid, whether the grid or its editor has
// the focus: they move to the next or previous editable cell, wrapping from
// the end of a row to the start of the next and from the last cell to the
// first. (The editor window holds no other control to tab to.)
//
// For assistive technology the grid is a table of all its cells, header
// cells included, each named by its text (or by onAccessibleCellName); the
// in-place editor is an editable text inside the current cell, named after
// the cell's row and column headers.
class StringGrid : public QAbstractScrollArea, private GridView, private EditorHost, private GridAccessSource {
    Q_OBJECT

public:
    DrawCellHandler onDrawCell;            // with canvas() set up for the cell
    GetEditTextHandler onGetEditText;      // the handler may change the editor's text
    CellValidateHandler onCellValidate;    // the handler may change the value, clear `valid`
    std::function<void()> onCellsRestored; // an undo or redo wrote cells
    // Something shown changed: a cell's text, the current cell, the
    // selection or the view. Called often; a handler should only note it.
    std::function<void()> onViewChanged;
    // The user asked for a context menu at this point of the screen: a right
    // press on an editable cell (made current first when it lies outside the
    // selection), or the Menu key or Shift+F10 at the current cell.
    std::function<void(QPoint globalPos)> onContextMenu;
    AccessibleNameHandler onAccessibleCellName;

    StringGrid(int colCount, int rowCount, QWidget *parent = nullptr);
    ~StringGrid() override;

    [[nodiscard]] int colCount() const { return model_.cells.colCount(); }
    [[nodiscard]] int rowCount() const { return model_.cells.rowCount(); }
    [[nodiscard]] int fixedCols() const { return model_.geometry.columns().fixedCount(); }
    [[nodiscard]] int fixedRows() const { return model_.geometry.rows().fixedCount(); }
    // Column and row counts only grow.
    void growTo(int colCount, int rowCount);

    [[nodiscard]] int colWidth(int col) const { return model_.geometry.columns().size(col); }
    void setColWidth(int col, int width);
    [[nodiscard]] int rowHeight(int row) const { return model_.geometry.rows().size(row); }
    void setRowHeight(int row, int height);
    // The width of every scrolling column / every fixed column.
    void setDefaultColWidth(int width)
    {
        layout_.setSizes(model_.geometry.columns(), fixedCols(), colCount(), width);
    }
    void setFixedColWidth(int width) { layout_.setSizes(model_.geometry.columns(), 0, fixedCols(), width); }
    void setDefaultRowHeight(int height)
    {
        layout_.setSizes(model_.geometry.rows(), fixedRows(), rowCount(), height);
    }
    void setFixedRowHeight(int height) { layout_.setSizes(model_.geometry.rows(), 0, fixedRows(), height); }

    // The first visible scrolling column and row.
    [[nodiscard]] int leftCol() const { return model_.geometry.columns().first(); }
    void setLeftCol(int col) { layout_.scrollTo(model_.geometry.columns(), col); }
    [[nodiscard]] int topRow() const { return model_.geometry.rows().first(); }
    void setTopRow(int row) { layout_.scrollTo(model_.geometry.rows(), row); }
    [[nodiscard]] const GridGeometry &geometry() const { return model_.geometry; }
    // Added to the font size when cells are drawn and measured.
    [[nodiscard]] int zoom() const { return model_.geometry.zoom(); }

    // Cells: reading a cell outside the grid gives the empty text; writing
    // one raises "Grid index out of range".
    [[nodiscard]] QString cell(int col, int row) const { return model_.cells.text(col, row); }
    void setCell(int col, int row, const QString &text) { edit_.setCell({col, row}, text); }
    [[nodiscard]] const CellStore &cells() const { return model_.cells; }

    // The cell's rectangle in viewport pixels without the grid lines; empty
    // for a cell outside the visible part of the grid.
    [[nodiscard]] QRect cellRect(int col, int row) const { return model_.geometry.cellRect({col, row}); }
    // The drawing surface while the grid paints (OnDrawCell); null otherwise.
    [[nodiscard]] QPainter *canvas() const { return canvas_; }

    [[nodiscard]] const GridStyle &style() const { return model_.style; }
    // A change of the fixed font or its colour repaints the whole grid before
    // the call returns; any other change at the next paint.
    void setStyle(const GridStyle &style);

    // Runs `change` (a command's change of cell texts) and records what it
    // did to the cells in `area` as one undo step.
    void recordChange(const QRect &area, const std::function<void()> &change) { undo_.record(area, change); }
    // Forgets the undo history (a new document).
    void clearUndo() { undo_.clear(); }
    [[nodiscard]] const GridUndo &undoHistory() const { return undo_; }

    // Item i goes into cell (i, 0) / (0, i) as far as the grid reaches.
    void setColumnHeaders(const QStringList &headers);
    void setRowHeaders(const QStringList &headers);

    // Fits every column (the fixed ones too when asked) to its widest text
    // line plus the width of "xx" plus the margin.
    void autoSizeColumns(bool includeFixed, int margin);

    [[nodiscard]] QPoint currentCell() const { return model_.selection.current(); }
    [[nodiscard]] int col() const { return currentCell().x(); }
    [[nodiscard]] int row() const { return currentCell().y(); }
    // Makes an editable cell current (collapsing the selection) and arms the
    // check on it; any other cell raises "Grid index out of range".
    void setCurrentCell(int col, int row) { edit_.setCurrent({col, row}); }
    // Moves to an editable cell as a click on it does: the validation check
    // runs as for any move.
    void moveCurrentCell(int col, int row) { edit_.moveCurrent({col, row}, false); }
    // Columns left..right, rows top..bottom, inclusive.
    [[nodiscard]] QRect selection() const { return model_.selection.rect(); }

    [[nodiscard]] bool isEditorMode() const { return model_.edit.isEditorMode(); }
    [[nodiscard]] bool isEditorVisible() const;
    [[nodiscard]] QLineEdit *inplaceEditor() const;
    // Whether the grid (or its editor) is its window's focused control.
    [[nodiscard]] bool isFocusedControl() const { return edit_.isFocusedControl(); }
    [[nodiscard]] bool isPanning() const { return pan_.isPanning(); }

    // Runs a drag of the selection's text in place of the platform's drag
    // loop (which needs a real pointer to end).
    void setDragRunner(DragDropController::DragRunner runner) { dragDrop_.setDragRunner(std::move(runner)); }

protected:
    // Called after the cells of every paint pass, inside the paint.
    virtual void paintPassFinished(QPainter &painter);
    [[nodiscard]] PaintErrorLatch &paintErrorLatch() { return latch_; }

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // GridView
    void invalidateCell(QPoint cell) override;
    void invalidateAll() override;
    void viewScrolled() override;
    void focusGridItself() override;
    void countsChanged() override;
    void zoomChanged() override;
    void contextMenuRequested(QPoint pos) override;
    // After an undo or redo: the first changed cell becomes current.
    void cellsRestored(QPoint first);
    // Tells assistive technology what changed; `area` holds the cells
    // whose names may have changed.
    void announce(const QRect &area);
    // EditorHost
    void editorKeyPressed(QKeyEvent *event) override;
    void editorFocusIn(QFocusEvent *event) override;
    void editorFocusOut(QFocusEvent *event) override;
    // GridAccessSource
    [[nodiscard]] QWidget &accessGrid() const override { return const_cast<StringGrid &>(*this); }
    [[nodiscard]] const GridModel &accessModel() const override { return model_; }
    [[nodiscard]] QString accessibleCellName(QPoint cell) const override;
    [[nodiscard]] QRect accessibleCellRect(QPoint cell) const override;
    [[nodiscard]] bool showsAccessibleFocus() const override { return edit_.showsFocus(); }
    [[nodiscard]] QWidget *visibleEditor() const override;
    [[nodiscard]] QAccessibleInterface *accessibleCell(QPoint cell) const override { return access_.cell(cell); }
    static QAccessibleInterface *accessibleFactory(const QString &className, QObject *object);

    // Members are built in the order they are declared, and each controller
    // is handed the model, the undo stack, the editor and the controllers
    // declared above it (the keyboard takes the clipboard and panning, the
    // mouse drag and drop, the layout the scroll bars). Keep this order: a
    // member declared below one that takes it is handed over unbuilt.
    GridModel model_;
    GridUndo undo_;
    InplaceEditor *editor_;
    EditController edit_;
    ClipboardController clipboard_;
    DragDropController dragDrop_;
    PanController pan_;
    KeyboardController keyboard_;
    MouseController mouse_;
    WheelController wheel_;
    ScrollBarController scrollBars_;
    LayoutController layout_;
    PaintErrorLatch latch_;
    QPainter *canvas_ = nullptr;
    CellTextCache texts_;
    CellTextCache fixedTexts_;
    bool movingFocusInside_ = false;
    // Last, so that the cells' interfaces go before the parts they read.
    AccessibleCells access_{*this};
};
