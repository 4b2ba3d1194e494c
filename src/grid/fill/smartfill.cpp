#include "grid/fill/smartfill.h"

#include "grid/fill/fillseries.h"
#include "grid/model/cellstore.h"
#include "grid/model/transferlimits.h"

namespace {

// Column by column from the left, each column from the top.
template <class Text> void fill(CellStore &cells, const QRect &block, Text &&textAt)
{
    qsizetype k = 0;
    for (int col = block.left(); col <= block.right(); ++col)
        for (int row = block.top(); row <= block.bottom(); ++row)
            cells.setText(col, row, textAt(k++));
}

} // namespace

QRect smartFill(CellStore &cells, const QRect &selection, qsizetype pasted, const QLocale &locale)
{
    const QRect block = selection & QRect(0, 0, cells.colCount(), cells.rowCount());
    const qint64 size = qint64(block.width()) * block.height();
    const bool line = block.width() == 1 || block.height() == 1;
    if (block.isEmpty() || !((pasted == 1 && size > 1) || (pasted == 2 && line)))
        return {};
    TransferLimits::checkCellCount(size);
    const QString first = cells.text(block.left(), block.top());
    if (pasted == 1) {
        fill(cells, block, [&](qsizetype) { return first; });
        return block;
    }
    const bool column = block.width() == 1 && block.height() > 1;
    const QString second =
        column ? cells.text(block.left(), block.top() + 1) : cells.text(block.left() + 1, block.top());
    const std::optional<QStringList> series = fillSeries(first, second, qsizetype(size), locale);
    if (!series)
        return {};
    fill(cells, block, [&](qsizetype k) { return series->at(k); });
    return block;
}
