#include "grid/transfer/copyformat.h"

#include "grid/model/cellstore.h"
#include "grid/model/transferlimits.h"
#include "platform/core/exceptions.h"

namespace {

[[noreturn]] void raiseTooLarge()
{
    throw EInvalidGridOperation(QStringLiteral("The selection is too large to copy"));
}

// The TABs and CR LFs between the cells of the block.
qint64 separatorCount(const QRect &block)
{
    return qint64(block.width() - 1) * block.height() + 2 * qint64(block.height() - 1);
}

} // namespace

QString copyText(const CellStore &cells, const QRect &block)
{
    if (block.isEmpty())
        return {};
    qint64 length = separatorCount(block);
    if (length > TransferLimits::kMaxTextLength)
        raiseTooLarge();
    QString text;
    text.reserve(qsizetype(length));
    for (int row = block.top(); row <= block.bottom(); ++row) {
        if (row > block.top())
            text += QLatin1String("\r\n");
        for (int col = block.left(); col <= block.right(); ++col) {
            if (col > block.left())
                text += QLatin1Char('\t');
            const QString cell = cells.text(col, row);
            length += cell.size();
            if (length > TransferLimits::kMaxTextLength)
                raiseTooLarge();
            text += cell;
        }
    }
    return text;
}

QString cutText(CellStore &cells, const QRect &block)
{
    QString text = copyText(cells, block);
    const QRect inside = block & QRect(0, 0, cells.colCount(), cells.rowCount());
    for (int col = inside.left(); col <= inside.right(); ++col)
        for (int row = inside.top(); row <= inside.bottom(); ++row)
            cells.setText(col, row, QString());
    return text;
}
