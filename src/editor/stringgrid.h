#pragma once

#include "editor/cellstore.h"
#include "editor/editstate.h"
#include "editor/gridgeometry.h"
#include "editor/gridnavigator.h"
#include "editor/gridselection.h"
#include "platform/errorreporting.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>

#include <functional>

class GridPainter;
class InplaceEditor;
class QLineEdit;

// A string grid with one block of fixed (header) cells at the top and left,
// in-place editing, a validation check for finished edits, keyboard
// navigation and column auto-sizing. The widget translates Qt events into
// calls on its plain parts (cells, geometry, selection, navigation, edit
// state) and hands each paint pass to a GridPainter.
//
// Tab and Shift+Tab stay inside the grid, whether the grid or its editor has
// the focus: they move to the next or previous editable cell, wrapping from
// the end of a row to the start of the next and from the last cell to the
// first. (The editor window holds no other control to tab to.)
class StringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class DrawState { Selected = 0x1, Focused = 0x2, Fixed = 0x4 };
    Q_DECLARE_FLAGS(DrawStates, DrawState)

    // OnDrawCell: called for every cell drawn, after its default drawing,
    // with canvas() set up for the cell.
    std::function<void(int col, int row, const QRect &rect, DrawStates state)> onDrawCell;
    // OnGetEditText: the in-place editor is being loaded from a cell; the
    // handler may change the text the editor takes.
    std::function<void(int col, int row, QString &value)> onGetEditText;
    // OnCellValidate: the watched cell's text differs from its text when it
    // was armed; the handler may change the value and clear `valid`.
    std::function<void(int col, int row, QString &value, bool &valid)> onCellValidate;

    StringGrid(int colCount, int rowCount, QWidget *parent = nullptr);
    ~StringGrid() override;

    [[nodiscard]] int colCount() const { return cells_.colCount(); }
    [[nodiscard]] int rowCount() const { return cells_.rowCount(); }
    [[nodiscard]] int fixedCols() const { return geometry_.columns().fixedCount(); }
    [[nodiscard]] int fixedRows() const { return geometry_.rows().fixedCount(); }
    // Column and row counts only grow.
    void growTo(int colCount, int rowCount);

    [[nodiscard]] int colWidth(int col) const { return geometry_.columns().size(col); }
    void setColWidth(int col, int width);
    [[nodiscard]] int rowHeight(int row) const { return geometry_.rows().size(row); }
    void setRowHeight(int row, int height);
    // The width of every scrolling column / every fixed column.
    void setDefaultColWidth(int width);
    void setFixedColWidth(int width);
    void setDefaultRowHeight(int height);
    void setFixedRowHeight(int height);

    // The first visible scrolling column and row.
    [[nodiscard]] int leftCol() const { return geometry_.columns().first(); }
    void setLeftCol(int col);
    [[nodiscard]] int topRow() const { return geometry_.rows().first(); }
    void setTopRow(int row);
    [[nodiscard]] const GridGeometry &geometry() const { return geometry_; }
    // Added to the font size when cells are drawn and measured.
    [[nodiscard]] int zoom() const { return geometry_.zoom(); }

    // Cells: reading a cell outside the grid gives the empty text; writing
    // one raises "Grid index out of range".
    [[nodiscard]] QString cell(int col, int row) const { return cells_.text(col, row); }
    void setCell(int col, int row, const QString &text);
    [[nodiscard]] const CellStore &cells() const { return cells_; }

    // The cell's rectangle in viewport pixels without the grid lines; empty
    // for a cell outside the visible part of the grid.
    [[nodiscard]] QRect cellRect(int col, int row) const { return geometry_.cellRect({col, row}); }
    // The drawing surface while the grid paints (OnDrawCell); null otherwise.
    [[nodiscard]] QPainter *canvas() const { return canvas_; }

    [[nodiscard]] QColor color() const { return color_; }
    void setColor(const QColor &color);
    [[nodiscard]] QColor fixedColor() const { return fixedColor_; }
    // A different colour repaints the whole grid at the next paint.
    void setFixedColor(const QColor &color);
    [[nodiscard]] QFont cellFont() const { return cellFont_; }
    void setCellFont(const QFont &font);
    [[nodiscard]] QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor &color);
    // The fixed font and its colour (Qt fonts carry no colour): a change
    // repaints the whole grid before the call returns.
    [[nodiscard]] QFont fixedFont() const { return fixedFont_; }
    void setFixedFont(const QFont &font);
    [[nodiscard]] QColor fixedFontColor() const { return fixedFontColor_; }
    void setFixedFontColor(const QColor &color);

    // Item i goes into cell (i, 0) / (0, i) as far as the grid reaches.
    void setColumnHeaders(const QStringList &headers);
    void setRowHeaders(const QStringList &headers);

    // Fits every column (the fixed ones too when asked) to its widest text
    // line plus the width of "xx" plus the margin.
    void autoSizeColumns(bool includeFixed, int margin);

    [[nodiscard]] QPoint currentCell() const { return selection_.current(); }
    [[nodiscard]] int col() const { return selection_.current().x(); }
    [[nodiscard]] int row() const { return selection_.current().y(); }
    // Makes an editable cell current (collapsing the selection) and arms the
    // check on it; any other cell raises "Grid index out of range".
    void setCurrentCell(int col, int row);
    // Columns left..right, rows top..bottom, inclusive.
    [[nodiscard]] QRect selection() const { return selection_.rect(); }

    [[nodiscard]] bool isEditorMode() const { return edit_.isEditorMode(); }
    [[nodiscard]] bool isEditorVisible() const;
    [[nodiscard]] QLineEdit *inplaceEditor() const;
    // Whether the grid (or its editor) is its window's focused control.
    [[nodiscard]] bool isFocusedControl() const { return focusedControl_; }

protected:
    // Called after the cells of every paint pass, inside the paint.
    virtual void paintPassFinished(QPainter &painter);
    // A left press on a selected cell's border line: where a drag of the
    // selection's text will start. The press changes nothing else.
    virtual void selectionDragRequested(QPoint pos);
    [[nodiscard]] PaintErrorLatch &paintErrorLatch() { return latch_; }
    // The platform's focus rectangle: every other pixel of the border inverted.
    static void drawFocusRect(QPainter &painter, const QRect &rect);

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class InplaceEditor;

    // Calls from the in-place editor.
    void editorKeyPressed(QKeyEvent *event);
    void editorFocusIn(QFocusEvent *event);
    void editorFocusOut(QFocusEvent *event);
    void editorTextEdited(const QString &text);

    void handleKey(QKeyEvent *event, bool fromEditor);
    [[nodiscard]] static bool startsEdit(const QKeyEvent &event);
    void applyMove(const GridNavigator::Move &move);
    [[nodiscard]] GridNavigator::View navigationView() const;
    void press(QMouseEvent *event);
    [[nodiscard]] bool isOnSelectionBorder(QPoint pos) const;
    void escape();

    // Editing.
    void openEditor(bool caretAtEnd);
    void showEditor(bool reload);
    void loadEditor();
    void placeEditor();
    void hideEditor();
    void closeEditor();

    // Current cell and the validation check.
    void moveCurrent(QPoint cell, bool extend);
    void makeCurrent(QPoint cell, bool extend);
    bool runCheck();
    void rearm();

    // Focus: the grid becoming and stopping being its window's focused control.
    void focusArrived();
    void focusLeft(QFocusEvent *event);
    [[nodiscard]] bool showsFocus() const;

    // Layout and painting.
    // Cells first..end-1 of the axis get the size; the layout follows.
    void setSizes(GridAxis &axis, int first, int end, int size);
    void syncGeometry();
    void updateScrollBars();
    void invalidateCell(QPoint cell);
    [[nodiscard]] QFont zoomed(const QFont &font) const;
    // The painter of one pass, reading this grid's state.
    [[nodiscard]] GridPainter gridPainter() const;

    CellStore cells_;
    GridGeometry geometry_;
    GridSelection selection_;
    EditState edit_;
    InplaceEditor *editor_;
    PaintErrorLatch latch_;
    QPainter *canvas_ = nullptr;

    QColor color_;
    QColor fixedColor_;
    QColor fontColor_;
    QColor fixedFontColor_;
    QColor selectionColor_;
    QColor selectionTextColor_;
    QFont cellFont_;
    QFont fixedFont_;

    bool focusedControl_ = false;
    bool movingFocusInside_ = false;
    bool syncingScrollBars_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(StringGrid::DrawStates)
