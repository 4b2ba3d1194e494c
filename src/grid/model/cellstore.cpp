#include "grid/model/cellstore.h"

#include <algorithm>

CellStore::CellStore(int colCount, int rowCount) : colCount_(colCount), rowCount_(rowCount) {}

void CellStore::growTo(int colCount, int rowCount)
{
    colCount_ = std::max(colCount_, colCount);
    rowCount_ = std::max(rowCount_, rowCount);
}

QString CellStore::text(int col, int row) const
{
    return texts_.value(key(col, row));
}

void CellStore::setText(int col, int row, const QString &text)
{
    Q_ASSERT(contains(col, row));
    if (text.isEmpty())
        texts_.remove(key(col, row));
    else
        texts_.insert(key(col, row), text);
}
