// The CSV delimiter detection and reader: any bytes load into a small grid
// or are refused with nothing changed; counts only grow.

#include "grid/model/cellstore.h"
#include "grid/transfer/csvloader.h"
#include "grid/transfer/csvreader.h"
#include "platform/core/exceptions.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype firstBreak = bytes.indexOf('\n');
    const QByteArrayView first = firstBreak < 0 ? bytes : bytes.first(firstBreak);
    (void)CsvReader::detectDelimiter(first, firstBreak < 0 ? QByteArrayView() : bytes.sliced(firstBreak + 1));

    CellStore cells(4, 3);
    cells.setText(3, 2, QStringLiteral("kept"));
    try {
        const QRect area = loadCsv(bytes, cells);
        if (cells.colCount() < 4 || cells.rowCount() < 3)
            std::abort();
        if (!area.contains(3, 2) && cells.text(3, 2) != QStringLiteral("kept"))
            std::abort(); // a cell outside the data changed
    } catch (const Exception &) {
        if (cells.colCount() != 4 || cells.rowCount() != 3 || cells.text(3, 2) != QStringLiteral("kept"))
            std::abort();
    }
    return 0;
}
