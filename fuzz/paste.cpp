// The paste parser and smart filling over a small grid. The first bytes
// pick the start cell, the selection and the locale; the rest is the text.
// The cells written must be the fields of the text, counted independently,
// and a refusal must change nothing.

#include "grid/fill/smartfill.h"
#include "grid/model/cellstore.h"
#include "grid/transfer/pasteparser.h"
#include "platform/core/exceptions.h"

#include <QLocale>
#include <QRect>

#include <cstdint>
#include <cstdlib>

namespace {

// Lines end at CR (the character after it is skipped); fields split at TAB.
qsizetype fieldCount(QStringView text)
{
    if (text.isEmpty())
        return 0;
    qsizetype count = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\t') {
            ++count;
        } else if (text[i] == u'\r') {
            ++i; // the LF of the pair, whatever it is
            ++count;
        }
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 5)
        return 0;
    CellStore cells(8, 6);
    cells.setText(1, 1, QStringLiteral("1"));
    const QPoint start(data[0] % 8, data[1] % 6);
    const QRect selection = QRect(start, QPoint(start.x() + data[2] % 3, start.y() + data[3] % 3));
    const QLocale locale = data[4] % 2 ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 5), qsizetype(size - 5));
    const CellStore before = cells;
    PasteResult pasted;
    try {
        pasted = pasteText(cells, start, text);
    } catch (const EInvalidGridOperation &) {
        if (cells.colCount() != before.colCount() || cells.rowCount() != before.rowCount() ||
            cells.text(1, 1) != before.text(1, 1))
            std::abort();
        return 0;
    }
    if (pasted.count != fieldCount(text) || cells.colCount() < 8 || cells.rowCount() < 6)
        std::abort();
    try {
        (void)smartFill(cells, selection.intersected(QRect(0, 0, cells.colCount(), cells.rowCount())),
                        pasted.count, locale);
    } catch (const EConvertError &) {
    } catch (const EInvalidGridOperation &) {
    }
    return 0;
}
