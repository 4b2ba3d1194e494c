#include "grid/transfer/csvloader.h"

#include "grid/model/cellstore.h"
#include "grid/model/transferlimits.h"
#include "grid/transfer/csvfile.h"
#include "grid/transfer/csvreader.h"

namespace {

// The two passes of CsvReader, `rewind` between them.
QRect load(const CsvReader::Source &source, const std::function<void()> &rewind, CellStore &cells)
{
    const CsvReader::Outline outline = CsvReader::outline(source);
    TransferLimits::checkCellCount(outline.fields);
    TransferLimits::checkGridCounts(outline.cols, outline.rows);

    CellStore loaded = cells;
    // One allocation up front: growing step by step holds the old and the
    // new table at once, again and again.
    loaded.reserve(cells.filledCount() + qsizetype(outline.filled));
    loaded.growTo(int(outline.cols), int(outline.rows));
    qint64 written = 0;
    QRect area;
    rewind();
    CsvReader::read(source, outline, [&](int col, int row, QString &&text) {
        // The outline's limits hold only while the file stays as it was.
        if (col >= loaded.colCount() || row >= loaded.rowCount()) {
            TransferLimits::checkGridCounts(qint64(col) + 1, qint64(row) + 1);
            loaded.growTo(col + 1, row + 1);
        }
        TransferLimits::checkCellCount(++written);
        TransferLimits::checkCellLength(text.size());
        loaded.setText(col, row, text);
        area |= QRect(0, 0, col + 1, row + 1);
    });
    cells = std::move(loaded);
    return area;
}

} // namespace

QRect loadCsv(QByteArrayView bytes, CellStore &cells)
{
    CsvReader::Source source = CsvReader::sourceOf(bytes);
    return load([&](char *data, qsizetype size) { return source(data, size); },
                [&] { source = CsvReader::sourceOf(bytes); }, cells);
}

QRect loadCsvFile(const QString &path, CellStore &cells)
{
    CsvFile file(path);
    return load([&](char *data, qsizetype size) { return file.read(data, size); }, [&] { file.rewind(); },
                cells);
}
