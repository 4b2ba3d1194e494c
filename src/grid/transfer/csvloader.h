#pragma once

#include <QByteArrayView>
#include <QRect>
#include <QString>

class CellStore;

// Loads CSV text into the cells from cell (0, 0) on, header cells included:
// record n into row n, field k into column k (CsvReader says what records
// and fields are). The column and row counts grow to hold the data and never
// shrink; cells outside the data keep their texts; empty fields empty their
// cells. Returns the block the data covers (empty for an empty text).
//
// The text's extent is checked against TransferLimits first, and the cells
// are written into a copy that replaces them only when it is complete, so a
// load that fails for whatever reason (a cell too long, a read error, the
// file changing between the two passes) changes nothing.
QRect loadCsv(QByteArrayView bytes, CellStore &cells);

// The same from a file, with CsvFile's errors.
QRect loadCsvFile(const QString &path, CellStore &cells);
