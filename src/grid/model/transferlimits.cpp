#include "grid/model/transferlimits.h"

#include "platform/core/exceptions.h"

void TransferLimits::checkTextLength(qsizetype length)
{
    if (length > kMaxTextLength)
        throw EInvalidGridOperation(
            QStringLiteral("Texts of more than %1 characters cannot be taken into the grid")
                .arg(kMaxTextLength));
}

void TransferLimits::checkCellLength(qsizetype length)
{
    if (length > kMaxCellLength)
        throw EInvalidGridOperation(
            QStringLiteral("A cell text of more than %1 characters cannot be taken into the grid")
                .arg(kMaxCellLength));
}

void TransferLimits::checkGridCounts(qint64 cols, qint64 rows)
{
    if (cols > kMaxGridCount || rows > kMaxGridCount)
        throw EInvalidGridOperation(
            QStringLiteral("The grid cannot grow beyond %1 columns or %1 rows").arg(kMaxGridCount));
}

void TransferLimits::checkCellCount(qint64 cells)
{
    if (cells > kMaxCellCount)
        throw EInvalidGridOperation(
            QStringLiteral("More than %1 cells cannot be taken into the grid at once").arg(kMaxCellCount));
}
