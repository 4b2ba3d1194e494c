#include "grid/view/gridpainter.h"

#include "platform/core/linebreaks.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>

namespace {

constexpr int kTextInset = 2;
constexpr int kOutlineWidth = 2;

// A raised inner edge: light top and left, shadow bottom and right.
void drawRaisedEdge(QPainter &painter, const QRect &rect, const QPalette &palette)
{
    const QColor light = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), light);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), light);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), shadow);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), shadow);
}

// Line breaks as the grid draws them: CR, CR LF and a lone LF end a line.
QString displayText(const QString &text)
{
    return withLineBreaks(text, u"\n");
}

} // namespace

void GridPainter::drawFocusRect(QPainter &painter, const QRect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    QPolygon points;
    points.reserve(2 * (rect.width() + rect.height()));
    for (int x = rect.left(); x <= rect.right(); ++x) {
        if ((x + rect.top()) % 2 == 0)
            points.append({x, rect.top()});
        if ((x + rect.bottom()) % 2 == 0 && rect.bottom() != rect.top())
            points.append({x, rect.bottom()});
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        if ((rect.left() + y) % 2 == 0)
            points.append({rect.left(), y});
        if ((rect.right() + y) % 2 == 0 && rect.right() != rect.left())
            points.append({rect.right(), y});
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QColor(255, 255, 255));
    painter.drawPoints(points);
    painter.restore();
}

// The cells that meet the region: the fixed corner, the header row, the
// header column, then the editable cells; each region row by row from the
// top, each row from the left. Then the grid lines and the empty rest.
void GridPainter::paint(QPainter &painter, const QRegion &region) const
{
    const GridGeometry &geometry = scene_.geometry;
    const GridAxis &cols = geometry.columns();
    const GridAxis &rows = geometry.rows();
    const int fixedCols = cols.fixedCount();
    const int fixedRows = rows.fixedCount();
    const int lastCol = cols.lastVisible();
    const int lastRow = rows.lastVisible();

    // The editable cells' usual background in one fill; cells of another
    // colour fill their own rectangle.
    for (const QRect &area : region)
        painter.fillRect(area, scene_.style.color);
    auto paintBlock = [&](int col0, int col1, int row0, int row1) {
        for (int row = row0; row <= row1; ++row) {
            for (int col = col0; col <= col1; ++col) {
                const QRect rect = geometry.cellRect({col, row});
                if (!rect.isEmpty() && region.intersects(rect))
                    paintCell(painter, {col, row}, rect);
            }
        }
    };
    paintBlock(0, fixedCols - 1, 0, fixedRows - 1);
    paintBlock(cols.first(), lastCol, 0, fixedRows - 1);
    paintBlock(0, fixedCols - 1, rows.first(), lastRow);
    paintBlock(cols.first(), lastCol, rows.first(), lastRow);

    paintGridLines(painter);
    const int usedWidth = cols.usedExtent();
    const int usedHeight = rows.usedExtent();
    const QSize client = geometry.clientSize();
    painter.fillRect(QRect(usedWidth, 0, client.width() - usedWidth, client.height()), scene_.style.color);
    painter.fillRect(QRect(0, usedHeight, usedWidth, client.height() - usedHeight), scene_.style.color);
}

void GridPainter::paintCell(QPainter &painter, QPoint cell, const QRect &rect) const
{
    const bool fixed = scene_.geometry.isFixed(cell);
    const bool focused = cell == scene_.selection.current() && scene_.showsFocus;
    // The in-place editor covers the focused cell.
    if (focused && scene_.edit.isEditorMode())
        return;
    DrawStates state;
    if (fixed)
        state |= DrawState::Fixed;
    if (!fixed && scene_.selection.contains(cell))
        state |= DrawState::Selected;
    if (focused)
        state |= DrawState::Focused;

    QColor background = scene_.style.color;
    QColor textColor = scene_.style.fontColor;
    if (fixed) {
        background = scene_.style.fixedColor;
        textColor = scene_.style.fixedFontColor;
    } else if ((state & DrawState::Selected) && !focused) {
        background = scene_.style.selectionColor;
        textColor = scene_.style.selectionTextColor;
    }
    painter.setBrush(background);
    if (background != scene_.style.color)
        painter.fillRect(rect, background);
    // Setting a font or pen costs even when it is the same one.
    const QFont &font = fixed ? scene_.fixedFont : scene_.font;
    if (painter.font() != font)
        painter.setFont(font);

    QRect focusRect = rect;
    if (state & DrawState::Selected)
        paintSelectionOutline(painter, cell, rect, &focusRect);

    const QString text = scene_.cells.text(cell.x(), cell.y());
    if (!text.isEmpty()) {
        if (painter.pen().color() != textColor || painter.pen().style() != Qt::SolidLine)
            painter.setPen(textColor);
        paintText(painter, text, rect.adjusted(kTextInset, kTextInset, -kTextInset, 0), fixed);
    }

    if (scene_.onDrawCell)
        scene_.onDrawCell(cell.x(), cell.y(), rect, state);

    if (fixed)
        drawRaisedEdge(painter, rect, scene_.palette);
    if (focused)
        drawFocusRect(painter, focusRect);
}

// Left aligned from the top, cut off at the rectangle's edges. Single-line
// texts are drawn from the cache of laid-out texts; others laid out anew.
void GridPainter::paintText(QPainter &painter, const QString &text, const QRect &rect, bool fixed) const
{
    const bool simple = !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) &&
                        !text.contains(QLatin1Char('\t'));
    if (!simple) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, displayText(text));
        return;
    }
    const QStaticText &laidOut =
        (fixed ? scene_.fixedTexts : scene_.texts).text(text, fixed ? scene_.fixedFont : scene_.font);
    const QSizeF size = laidOut.size();
    if (size.width() <= rect.width() && size.height() <= rect.height()) {
        painter.drawStaticText(rect.topLeft(), laidOut);
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawStaticText(rect.topLeft(), laidOut);
    painter.restore();
}

// A 2-pixel black line inside each edge of the cell that lies on the
// selection's outline; the focus rectangle moves inside it.
void GridPainter::paintSelectionOutline(QPainter &painter, QPoint cell, QRect rect, QRect *focusRect) const
{
    const QRect sel = scene_.selection.rect();
    const QColor black(0, 0, 0);
    if (cell.x() == sel.left()) {
        painter.fillRect(QRect(rect.left(), rect.top(), kOutlineWidth, rect.height()), black);
        focusRect->setLeft(focusRect->left() + kOutlineWidth);
    }
    if (cell.x() == sel.right()) {
        painter.fillRect(QRect(rect.right() - kOutlineWidth + 1, rect.top(), kOutlineWidth, rect.height()),
                         black);
        focusRect->setRight(focusRect->right() - kOutlineWidth);
    }
    if (cell.y() == sel.top()) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), kOutlineWidth), black);
        focusRect->setTop(focusRect->top() + kOutlineWidth);
    }
    if (cell.y() == sel.bottom()) {
        painter.fillRect(QRect(rect.left(), rect.bottom() - kOutlineWidth + 1, rect.width(), kOutlineWidth),
                         black);
        focusRect->setBottom(focusRect->bottom() - kOutlineWidth);
    }
}

// One-pixel lines after every cell: black around the fixed cells, silver
// between the editable ones.
void GridPainter::paintGridLines(QPainter &painter) const
{
    const GridAxis &cols = scene_.geometry.columns();
    const GridAxis &rows = scene_.geometry.rows();
    const QColor fixedLine(0, 0, 0);
    const QColor line(192, 192, 192);
    const int usedWidth = cols.usedExtent();
    const int usedHeight = rows.usedExtent();
    const int fixedWidth = std::min(cols.fixedExtent(), usedWidth);
    const int fixedHeight = std::min(rows.fixedExtent(), usedHeight);

    auto columnLine = [&](int col) {
        const int x = *cols.start(col) + cols.size(col);
        painter.fillRect(QRect(x, 0, 1, fixedHeight), fixedLine);
        painter.fillRect(QRect(x, fixedHeight, 1, usedHeight - fixedHeight),
                         col < cols.fixedCount() ? fixedLine : line);
    };
    auto rowLine = [&](int row) {
        const int y = *rows.start(row) + rows.size(row);
        painter.fillRect(QRect(0, y, fixedWidth, 1), fixedLine);
        painter.fillRect(QRect(fixedWidth, y, usedWidth - fixedWidth, 1),
                         row < rows.fixedCount() ? fixedLine : line);
    };
    for (int col = 0; col < cols.fixedCount(); ++col)
        columnLine(col);
    for (int col = cols.first(); col <= cols.lastVisible(); ++col)
        columnLine(col);
    for (int row = 0; row < rows.fixedCount(); ++row)
        rowLine(row);
    for (int row = rows.first(); row <= rows.lastVisible(); ++row)
        rowLine(row);
}
