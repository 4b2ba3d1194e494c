#include "grid/stringgrid.h"

#include "grid/access/gridaccessible.h"
#include "grid/access/viewportaccessible.h"
#include "grid/input/inplaceeditor.h"
#include "grid/view/gridpainter.h"
#include "platform/core/exceptions.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>

#include <utility>

namespace {

constexpr int kDefaultSize = 64;

void checkIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

} // namespace

StringGrid::StringGrid(int colCount, int rowCount, QWidget *parent)
    : QAbstractScrollArea(parent), model_{CellStore(colCount, rowCount),
                                          GridGeometry(colCount, rowCount, 1, 1, kDefaultSize,
                                                       kDefaultSize / 3),
                                          GridSelection({1, 1}),
                                          {},
                                          GridStyle::fromPalette(palette(), font())},
      undo_(model_.cells, [this](QPoint first) { cellsRestored(first); }),
      editor_(new InplaceEditor(*this, viewport())),
      edit_(model_, undo_, *editor_, *this, *this, onGetEditText, onCellValidate),
      clipboard_(model_, undo_, *this), dragDrop_(model_, undo_, *this, *this),
      pan_(model_, edit_, *viewport()), keyboard_(model_, edit_, clipboard_, undo_, pan_, *this, *editor_),
      mouse_(model_, edit_, dragDrop_, pan_, *this, *this), wheel_(model_, edit_, *this, *editor_),
      scrollBars_(model_, *horizontalScrollBar(), *verticalScrollBar()),
      layout_(model_, edit_, scrollBars_, *viewport(), *editor_)
{
    Q_ASSERT(colCount > 1 && rowCount > 1);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&StringGrid::accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    // Every pass paints the whole region itself.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    editor_->hide();
    connect(editor_, &QLineEdit::textEdited, this,
            [this](const QString &text) { guarded([&] { edit_.editorTextEdited(text); }); });
    const auto follow = [this](QScrollBar *bar, Qt::Orientation orientation) {
        connect(bar, &QScrollBar::actionTriggered, this, [this, orientation](int action) {
            guarded([&] { layout_.barActionTriggered(orientation, action); });
        });
    };
    follow(horizontalScrollBar(), Qt::Horizontal);
    follow(verticalScrollBar(), Qt::Vertical);
    layout_.sync();
}

StringGrid::~StringGrid()
{
    editor_->detach();
}

// ---- Layout -------------------------------------------------------------------

void StringGrid::growTo(int colCount, int rowCount)
{
    model_.cells.growTo(colCount, rowCount);
    countsChanged();
}

void StringGrid::setColWidth(int col, int width)
{
    checkIndex(col, colCount());
    layout_.setSizes(model_.geometry.columns(), col, col + 1, width);
}

void StringGrid::setRowHeight(int row, int height)
{
    checkIndex(row, rowCount());
    layout_.setSizes(model_.geometry.rows(), row, row + 1, height);
}

void StringGrid::scrollContentsBy(int, int)
{
    guarded([&] { layout_.barMoved(); });
}

void StringGrid::resizeEvent(QResizeEvent *)
{
    guarded([&] { layout_.sync(); });
}

// ---- GridView ------------------------------------------------------------------

void StringGrid::invalidateCell(QPoint cell)
{
    const QRect rect = model_.geometry.cellRect(cell);
    if (!rect.isEmpty())
        viewport()->update(rect);
    announce({cell.x(), 0, 1, rowCount()});
    if (onViewChanged)
        onViewChanged();
}

void StringGrid::invalidateAll()
{
    viewport()->update();
    announce({0, 0, colCount(), rowCount()});
    if (onViewChanged)
        onViewChanged();
}

void StringGrid::viewScrolled()
{
    layout_.viewScrolled();
}

void StringGrid::countsChanged()
{
    access_.countsChanged();
    layout_.countsChanged();
}

void StringGrid::zoomChanged()
{
    layout_.zoomChanged();
}

void StringGrid::contextMenuRequested(QPoint pos)
{
    if (onContextMenu)
        onContextMenu(viewport()->mapToGlobal(pos));
}

void StringGrid::cellsRestored(QPoint first)
{
    viewport()->update();
    if (model_.geometry.isEditable(first))
        edit_.setCurrent(first);
    if (onCellsRestored)
        onCellsRestored();
    announce({0, 0, colCount(), rowCount()});
    if (onViewChanged)
        onViewChanged();
}

void StringGrid::focusGridItself()
{
    movingFocusInside_ = true;
    setFocus(Qt::OtherFocusReason);
    movingFocusInside_ = false;
}

// ---- Cells, style, headers -------------------------------------------------------

void StringGrid::setStyle(const GridStyle &style)
{
    if (style == model_.style)
        return;
    const bool now = style.fixedFontDiffers(model_.style);
    model_.style = style;
    editor_->setFont(zoomedFont(style.font, zoom()));
    if (now)
        viewport()->repaint();
    else
        viewport()->update();
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
    layout_.autoSize(includeFixed, margin);
}

bool StringGrid::isEditorVisible() const
{
    return editor_->isVisible();
}

QLineEdit *StringGrid::inplaceEditor() const
{
    return editor_;
}

// ---- Assistive technology ------------------------------------------------------------

QAccessibleInterface *StringGrid::accessibleFactory(const QString &, QObject *object)
{
    if (auto *owner = qobject_cast<StringGrid *>(object->parent()); owner != nullptr && object == owner->viewport())
        return new ViewportAccessible(owner->viewport(), *owner);
    auto *grid = qobject_cast<StringGrid *>(object);
    if (grid == nullptr)
        return nullptr;
    grid->access_.setQueried();
    return new GridAccessible(grid, *grid);
}

void StringGrid::announce(const QRect &area)
{
    // The editor is named after the cell it would edit before it opens, so
    // that its focus announcement says where it is.
    const QPoint current = currentCell();
    const QString editorName = cell(0, current.y()) + QLatin1Char(' ') + cell(current.x(), 0);
    if (editor_->accessibleName() != editorName)
        editor_->setAccessibleName(editorName);
    access_.viewChanged(area);
}

QString StringGrid::accessibleCellName(QPoint at) const
{
    QString name = cell(at.x(), at.y());
    if (onAccessibleCellName)
        onAccessibleCellName(at.x(), at.y(), name);
    return name;
}

QRect StringGrid::accessibleCellRect(QPoint at) const
{
    const QRect rect = cellRect(at.x(), at.y());
    return rect.isEmpty() ? QRect() : QRect(viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

QWidget *StringGrid::visibleEditor() const
{
    return editor_->isVisible() ? editor_ : nullptr;
}

// ---- Input: each kind goes to its controller ---------------------------------------

bool StringGrid::event(QEvent *event)
{
    // Tab and Shift+Tab move between cells (see the class comment).
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (KeyMap::isCellTab(key->key(), key->modifiers())) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    guarded([&] { keyboard_.keyPressed(event, KeyMap::Focus::Grid); });
}

void StringGrid::editorKeyPressed(QKeyEvent *event)
{
    guarded([&] { keyboard_.keyPressed(event, KeyMap::Focus::Editor); });
}

void StringGrid::mousePressEvent(QMouseEvent *event)
{
    guarded([&] { mouse_.pressed(event); });
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

void StringGrid::focusInEvent(QFocusEvent *event)
{
    access_.focusArriving();
    QAbstractScrollArea::focusInEvent(event);
    if (!movingFocusInside_)
        guarded([&] { edit_.gridFocusIn(); });
    QMetaObject::invokeMethod(
        this, [this] { guarded([&] { access_.focusArrived(); }); }, Qt::QueuedConnection);
}

void StringGrid::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    pan_.stop();
    guarded([&] { edit_.gridFocusOut(event->reason()); });
}

void StringGrid::contextMenuEvent(QContextMenuEvent *event)
{
    // The right press has asked already; the Menu key arrives here alone.
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse)
        guarded([&] { keyboard_.requestMenu(); });
}

void StringGrid::wheelEvent(QWheelEvent *event)
{
    guarded([&] { wheel_.wheelTurned(event); });
}

void StringGrid::dragEnterEvent(QDragEnterEvent *event)
{
    guarded([&] { dragDrop_.dragMoved(event); });
}

void StringGrid::dragMoveEvent(QDragMoveEvent *event)
{
    guarded([&] { dragDrop_.dragMoved(event); });
}

void StringGrid::dropEvent(QDropEvent *event)
{
    guarded([&] { dragDrop_.dropped(event); });
}

void StringGrid::editorFocusIn(QFocusEvent *)
{
    guarded([&] { edit_.editorFocusIn(); });
}

void StringGrid::editorFocusOut(QFocusEvent *event)
{
    guarded([&] { edit_.editorFocusOut(event->reason()); });
}

// ---- Painting -------------------------------------------------------------------------

void StringGrid::paintEvent(QPaintEvent *event)
{
    latch_.paint([&] {
        QPainter painter(viewport());
        // While painting, canvas() is the painter of the pass.
        canvas_ = &painter;
        const auto noCanvas = qScopeGuard([this] { canvas_ = nullptr; });
        const GridScene scene{model_.geometry,
                              model_.cells,
                              model_.selection,
                              model_.edit,
                              onDrawCell,
                              palette(),
                              model_.style,
                              zoomedFont(model_.style.font, zoom()),
                              zoomedFont(model_.style.fixedFont, zoom()),
                              edit_.showsFocus(),
                              texts_,
                              fixedTexts_};
        GridPainter(scene).paint(painter, event->region());
        paintPassFinished(painter);
    });
}

void StringGrid::paintPassFinished(QPainter &) {}
