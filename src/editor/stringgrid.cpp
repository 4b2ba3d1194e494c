#include "editor/stringgrid.h"

#include "editor/columnautosizer.h"
#include "editor/gridpainter.h"
#include "editor/inplaceeditor.h"
#include "platform/exceptions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

const QString kIndexOutOfRange = QStringLiteral("Grid index out of range");

constexpr int kDefaultSize = 64;

// While painting, canvas() is the painter of the pass.
class CanvasScope {
public:
    CanvasScope(QPainter *&canvas, QPainter &painter) : canvas_(canvas) { canvas_ = &painter; }
    ~CanvasScope() { canvas_ = nullptr; }
    CanvasScope(const CanvasScope &) = delete;
    CanvasScope &operator=(const CanvasScope &) = delete;

private:
    QPainter *&canvas_;
};

} // namespace

StringGrid::StringGrid(int colCount, int rowCount, QWidget *parent)
    : QAbstractScrollArea(parent), cells_(colCount, rowCount),
      geometry_(colCount, rowCount, 1, 1, kDefaultSize, kDefaultSize / 3), selection_({1, 1}),
      editor_(new InplaceEditor(*this, viewport()))
{
    Q_ASSERT(colCount > 1 && rowCount > 1);
    setFocusPolicy(Qt::StrongFocus);
    // Every pass paints the whole region itself.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    editor_->hide();
    connect(editor_, &QLineEdit::textEdited, this,
            [this](const QString &text) { guarded([&] { editorTextEdited(text); }); });

    const QPalette &pal = palette();
    color_ = pal.color(QPalette::Base);
    fixedColor_ = pal.color(QPalette::Button);
    fontColor_ = pal.color(QPalette::WindowText);
    fixedFontColor_ = pal.color(QPalette::WindowText);
    selectionColor_ = pal.color(QPalette::Highlight);
    selectionTextColor_ = pal.color(QPalette::HighlightedText);
    cellFont_ = font();
    fixedFont_ = font();
    edit_.arm(selection_.current(), QString());
    syncGeometry();
}

StringGrid::~StringGrid()
{
    editor_->detach();
}

// ---- Layout ---------------------------------------------------------------

void StringGrid::growTo(int colCount, int rowCount)
{
    cells_.growTo(colCount, rowCount);
    const GridAxis &cols = geometry_.columns();
    const GridAxis &rows = geometry_.rows();
    geometry_.columns().growTo(colCount, cols.size(cols.count() - 1));
    geometry_.rows().growTo(rowCount, rows.size(rows.count() - 1));
    syncGeometry();
    viewport()->update();
}

void StringGrid::setColWidth(int col, int width)
{
    if (col < 0 || col >= colCount())
        throw EInvalidGridOperation(kIndexOutOfRange);
    setSizes(geometry_.columns(), col, col + 1, width);
}

void StringGrid::setRowHeight(int row, int height)
{
    if (row < 0 || row >= rowCount())
        throw EInvalidGridOperation(kIndexOutOfRange);
    setSizes(geometry_.rows(), row, row + 1, height);
}

void StringGrid::setDefaultColWidth(int width)
{
    setSizes(geometry_.columns(), fixedCols(), colCount(), width);
}

void StringGrid::setFixedColWidth(int width)
{
    setSizes(geometry_.columns(), 0, fixedCols(), width);
}

void StringGrid::setDefaultRowHeight(int height)
{
    setSizes(geometry_.rows(), fixedRows(), rowCount(), height);
}

void StringGrid::setFixedRowHeight(int height)
{
    setSizes(geometry_.rows(), 0, fixedRows(), height);
}

void StringGrid::setSizes(GridAxis &axis, int first, int end, int size)
{
    for (int index = first; index < end; ++index)
        axis.setSize(index, size);
    syncGeometry();
    viewport()->update();
}

void StringGrid::setLeftCol(int col)
{
    geometry_.columns().setFirst(col);
    updateScrollBars();
    placeEditor();
    viewport()->update();
}

void StringGrid::setTopRow(int row)
{
    geometry_.rows().setFirst(row);
    updateScrollBars();
    placeEditor();
    viewport()->update();
}

void StringGrid::syncGeometry()
{
    geometry_.setClientSize(viewport()->size());
    updateScrollBars();
    placeEditor();
}

void StringGrid::updateScrollBars()
{
    const GridAxis &cols = geometry_.columns();
    const GridAxis &rows = geometry_.rows();
    syncingScrollBars_ = true;
    horizontalScrollBar()->setRange(0, std::max(0, cols.maxFirst() - cols.fixedCount()));
    horizontalScrollBar()->setPageStep(cols.pageSize());
    horizontalScrollBar()->setValue(cols.first() - cols.fixedCount());
    verticalScrollBar()->setRange(0, std::max(0, rows.maxFirst() - rows.fixedCount()));
    verticalScrollBar()->setPageStep(rows.pageSize());
    verticalScrollBar()->setValue(rows.first() - rows.fixedCount());
    syncingScrollBars_ = false;
}

void StringGrid::scrollContentsBy(int, int)
{
    if (syncingScrollBars_)
        return;
    guarded([&] {
        geometry_.columns().setFirst(fixedCols() + horizontalScrollBar()->value());
        geometry_.rows().setFirst(fixedRows() + verticalScrollBar()->value());
        placeEditor();
        viewport()->update();
    });
}

void StringGrid::resizeEvent(QResizeEvent *)
{
    guarded([&] { syncGeometry(); });
}

void StringGrid::invalidateCell(QPoint cell)
{
    const QRect rect = geometry_.cellRect(cell);
    if (!rect.isEmpty())
        viewport()->update(rect);
}

QFont StringGrid::zoomed(const QFont &font) const
{
    if (zoom() == 0)
        return font;
    QFont result = font;
    if (font.pixelSize() > 0)
        result.setPixelSize(std::max(1, font.pixelSize() + zoom()));
    else
        result.setPointSizeF(std::max(1.0, font.pointSizeF() + zoom()));
    return result;
}

// ---- Cells, colours, fonts --------------------------------------------------

void StringGrid::setCell(int col, int row, const QString &text)
{
    if (!cells_.contains(col, row))
        throw EInvalidGridOperation(kIndexOutOfRange);
    cells_.setText(col, row, text);
    invalidateCell({col, row});
    if (QPoint(col, row) == currentCell() && edit_.isEditorMode() && focusedControl_)
        showEditor(true);
}

void StringGrid::setColor(const QColor &color)
{
    color_ = color;
    viewport()->update();
}

void StringGrid::setFixedColor(const QColor &color)
{
    if (color == fixedColor_)
        return;
    fixedColor_ = color;
    viewport()->update();
}

void StringGrid::setCellFont(const QFont &font)
{
    cellFont_ = font;
    editor_->setFont(zoomed(font));
    viewport()->update();
}

void StringGrid::setFontColor(const QColor &color)
{
    fontColor_ = color;
    viewport()->update();
}

void StringGrid::setFixedFont(const QFont &font)
{
    if (font == fixedFont_)
        return;
    fixedFont_ = font;
    viewport()->repaint();
}

void StringGrid::setFixedFontColor(const QColor &color)
{
    if (color == fixedFontColor_)
        return;
    fixedFontColor_ = color;
    viewport()->repaint();
}

void StringGrid::setColumnHeaders(const QStringList &headers)
{
    for (int i = 0; i < headers.size() && i < colCount(); ++i)
        setCell(i, 0, headers[i]);
}

void StringGrid::setRowHeaders(const QStringList &headers)
{
    for (int i = 0; i < headers.size() && i < rowCount(); ++i)
        setCell(0, i, headers[i]);
}

void StringGrid::autoSizeColumns(bool includeFixed, int margin)
{
    const ColumnAutoSizer sizer{QFontMetrics(zoomed(cellFont_))};
    for (int col = includeFixed ? 0 : fixedCols(); col < colCount(); ++col)
        geometry_.columns().setSize(col, sizer.width(cells_, col, margin));
    syncGeometry();
    viewport()->update();
}

// ---- Current cell and the validation check ----------------------------------

void StringGrid::setCurrentCell(int col, int row)
{
    if (!geometry_.isEditable({col, row}))
        throw EInvalidGridOperation(kIndexOutOfRange);
    closeEditor();
    makeCurrent({col, row}, false);
    rearm();
}

void StringGrid::makeCurrent(QPoint cell, bool extend)
{
    edit_.setRestoreText(cells_.text(cell.x(), cell.y()));
    selection_.moveTo(cell, extend);
    if (geometry_.scrollIntoView(cell))
        updateScrollBars();
    viewport()->update();
}

// A move by the user: the editor closes, the cell becomes current, then the
// check runs on the cell that was watched.
void StringGrid::moveCurrent(QPoint cell, bool extend)
{
    closeEditor();
    makeCurrent(cell, extend);
    if (edit_.isEntered())
        runCheck();
    else
        rearm();
}

void StringGrid::rearm()
{
    const QPoint cell = currentCell();
    edit_.arm(cell, cells_.text(cell.x(), cell.y()));
}

// Compares the watched cell with its text when it was armed and lets the
// handler judge a change. An exception from the handler leaves the check
// armed as it was, so the same cell is judged again at the next trigger.
bool StringGrid::runCheck()
{
    bool valid = true;
    const QPoint check = edit_.checkCell();
    if (cells_.text(check.x(), check.y()) != edit_.checkText()) {
        QString value = cells_.text(check.x(), check.y());
        if (onCellValidate)
            onCellValidate(check.x(), check.y(), value, valid);
        if (value != cells_.text(check.x(), check.y())) {
            setCell(check.x(), check.y(), value);
        } else if (!valid) {
            setCell(check.x(), check.y(), edit_.checkText());
            if (check != currentCell()) {
                closeEditor();
                makeCurrent(check, false);
            }
        }
    }
    rearm();
    return valid;
}

// ---- Editing -----------------------------------------------------------------

bool StringGrid::isEditorVisible() const
{
    return editor_->isVisible();
}

QLineEdit *StringGrid::inplaceEditor() const
{
    return editor_;
}

void StringGrid::openEditor(bool caretAtEnd)
{
    edit_.setEditorMode(true);
    showEditor(false);
    if (caretAtEnd) {
        editor_->deselect();
        editor_->end(false);
    }
}

void StringGrid::showEditor(bool reload)
{
    if (reload || !edit_.isLoadedFrom(currentCell()))
        loadEditor();
    placeEditor();
    editor_->show();
    if (window()->focusWidget() != editor_)
        editor_->setFocus(Qt::OtherFocusReason);
}

void StringGrid::loadEditor()
{
    const QPoint cell = currentCell();
    QString value = cells_.text(cell.x(), cell.y());
    if (onGetEditText)
        onGetEditText(cell.x(), cell.y(), value);
    editor_->setText(value);
    editor_->selectAll();
    edit_.setLoadedFrom(cell);
}

void StringGrid::placeEditor()
{
    const QRect rect = geometry_.cellRect(currentCell());
    // A current cell scrolled out of view keeps its editor, out of sight.
    editor_->setGeometry(rect.isEmpty() ? QRect(-10000, -10000, 1, 1) : rect);
}

// Hides the editor without ending editor mode; its text is already in the cell.
void StringGrid::hideEditor()
{
    edit_.clearLoadedFrom();
    if (editor_->isHidden())
        return;
    if (window()->focusWidget() == editor_) {
        movingFocusInside_ = true;
        setFocus(Qt::OtherFocusReason);
        movingFocusInside_ = false;
    }
    editor_->hide();
    invalidateCell(currentCell());
}

void StringGrid::closeEditor()
{
    hideEditor();
    if (edit_.isEditorMode()) {
        edit_.setEditorMode(false);
        invalidateCell(currentCell());
    }
}

void StringGrid::editorTextEdited(const QString &text)
{
    // Written straight into the cell: no reload, no event. The editor covers
    // the cell, so nothing needs repainting.
    const QPoint cell = currentCell();
    if (edit_.isLoadedFrom(cell))
        cells_.setText(cell.x(), cell.y(), text);
}

// Writes the restore text back, then the cell's text once more; an open
// editor is reloaded after each write. No validation.
void StringGrid::escape()
{
    const QPoint cell = currentCell();
    setCell(cell.x(), cell.y(), edit_.restoreText());
    setCell(cell.x(), cell.y(), cells_.text(cell.x(), cell.y()));
}

// ---- Keyboard -----------------------------------------------------------------

bool StringGrid::event(QEvent *event)
{
    // Tab and Shift+Tab move between cells (see the class comment).
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    guarded([&] { handleKey(event, false); });
}

void StringGrid::editorKeyPressed(QKeyEvent *event)
{
    guarded([&] { handleKey(event, true); });
}

bool StringGrid::startsEdit(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Backspace)
        return true;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text[0].isPrint();
}

void StringGrid::handleKey(QKeyEvent *event, bool fromEditor)
{
    event->accept();
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Escape) {
        escape();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!fromEditor)
            openEditor(false);
        else if (runCheck())
            closeEditor();
    } else if (key == Qt::Key_F2) {
        openEditor(true);
    } else if (auto move = GridNavigator::move(key, modifiers, currentCell(), navigationView())) {
        applyMove(*move);
    } else if (key == Qt::Key_Delete || key == Qt::Key_Insert) {
        // Row deletion and insertion are off.
    } else if (!fromEditor && startsEdit(*event)) {
        openEditor(false);
        // The editor gets the key itself; as its text is all selected, the
        // character replaces it.
        QKeyEvent copy(QEvent::KeyPress, key, event->modifiers(), event->text(), event->isAutoRepeat(),
                       event->count());
        QCoreApplication::sendEvent(editor_, &copy);
    } else {
        event->ignore();
    }
}

GridNavigator::View StringGrid::navigationView() const
{
    const GridAxis &cols = geometry_.columns();
    const GridAxis &rows = geometry_.rows();
    return {colCount(),      rowCount(),      fixedCols(),
            fixedRows(),     cols.first(),    rows.first(),
            cols.pageSize(), rows.pageSize(), rows.lastFullyVisible()};
}

void StringGrid::applyMove(const GridNavigator::Move &move)
{
    if (move.leftCol || move.topRow) {
        if (move.leftCol)
            geometry_.columns().setFirst(*move.leftCol);
        if (move.topRow)
            geometry_.rows().setFirst(*move.topRow);
        updateScrollBars();
        placeEditor();
        viewport()->update();
    }
    if (move.current != currentCell())
        moveCurrent(move.current, move.extend);
}

// ---- Mouse -------------------------------------------------------------------

void StringGrid::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    guarded([&] { press(event); });
}

void StringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click has no effect of its own.
    event->accept();
}

bool StringGrid::isOnSelectionBorder(QPoint pos) const
{
    const QPoint hit = geometry_.cellAt(pos);
    if (hit.x() < 0)
        return false;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint cell = hit + QPoint(dx, dy);
            if (!geometry_.isEditable(cell) || !selection_.contains(cell))
                continue;
            const QRect rect = geometry_.cellRect(cell);
            if (!rect.isEmpty() && GridGeometry::isNearBorder(pos, rect))
                return true;
        }
    }
    return false;
}

void StringGrid::press(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && isOnSelectionBorder(pos)) {
        if (!focusedControl_)
            setFocus(Qt::MouseFocusReason);
        selectionDragRequested(pos);
        return;
    }
    hideEditor();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint cell = geometry_.cellAt(pos);
    if (!geometry_.isEditable(cell))
        return;
    if (cell == currentCell()) {
        openEditor(false);
        if (edit_.isEntered())
            runCheck();
        return;
    }
    const QRect rect = geometry_.cellRect(cell);
    moveCurrent(cell, false);
    if (GridGeometry::isInsideEditZone(pos, rect))
        openEditor(false);
}

void StringGrid::selectionDragRequested(QPoint) {}

// ---- Focus -----------------------------------------------------------------------
//
// "The grid is its window's focused control" is our own flag. Focus moves
// caused by window activation, popups, or the error box disabling the window
// do not change it; only a move to another control of the same window does.
// Otherwise an error box shown during an edit would look like the user
// leaving the grid and start a validation check of its own.

void StringGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (movingFocusInside_)
        return;
    guarded([&] {
        focusArrived();
        if (edit_.isEditorMode())
            showEditor(false);
    });
}

void StringGrid::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    guarded([&] {
        // The grid itself losing the focus hides the editor, editor mode stays.
        if (QApplication::focusWidget() != editor_)
            hideEditor();
        focusLeft(event);
    });
}

void StringGrid::editorFocusIn(QFocusEvent *)
{
    guarded([&] { focusArrived(); });
}

void StringGrid::editorFocusOut(QFocusEvent *event)
{
    guarded([&] { focusLeft(event); });
}

void StringGrid::focusArrived()
{
    viewport()->update();
    // A window activation counts only the first time: the flag is cleared
    // by real moves alone, so a re-activation finds it still set.
    if (focusedControl_ || !window()->isEnabled())
        return;
    focusedControl_ = true;
    edit_.setEntered();
    rearm();
    const QPoint cell = currentCell();
    edit_.setRestoreText(cells_.text(cell.x(), cell.y()));
}

void StringGrid::focusLeft(QFocusEvent *event)
{
    viewport()->update();
    if (!focusedControl_ || !window()->isEnabled())
        return;
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    QWidget *next = QApplication::focusWidget();
    if (next == nullptr || next == this || next == editor_ || next->window() != window())
        return;
    focusedControl_ = false;
    runCheck();
    closeEditor();
}

bool StringGrid::showsFocus() const
{
    return focusedControl_ && (hasFocus() || editor_->hasFocus());
}

// ---- Painting --------------------------------------------------------------------

void StringGrid::paintEvent(QPaintEvent *event)
{
    latch_.paint([&] {
        QPainter painter(viewport());
        const CanvasScope scope(canvas_, painter);
        gridPainter().paint(painter, event->region());
        paintPassFinished(painter);
    });
}

void StringGrid::paintPassFinished(QPainter &) {}

GridPainter StringGrid::gridPainter() const
{
    return GridPainter({.geometry = geometry_,
                        .cells = cells_,
                        .selection = selection_,
                        .edit = edit_,
                        .onDrawCell = onDrawCell,
                        .palette = palette(),
                        .color = color_,
                        .fixedColor = fixedColor_,
                        .fontColor = fontColor_,
                        .fixedFontColor = fixedFontColor_,
                        .selectionColor = selectionColor_,
                        .selectionTextColor = selectionTextColor_,
                        .font = zoomed(cellFont_),
                        .fixedFont = zoomed(fixedFont_),
                        .showsFocus = showsFocus()});
}

void StringGrid::drawFocusRect(QPainter &painter, const QRect &rect)
{
    GridPainter::drawFocusRect(painter, rect);
}
