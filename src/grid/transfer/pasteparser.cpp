#include "grid/transfer/pasteparser.h"

#include "grid/model/cellstore.h"
#include "grid/model/transferlimits.h"
#include "platform/core/exceptions.h"

#include <algorithm>

namespace {

// Calls `visit(line, index)` for every line of the text.
template <class Visit> void forEachLine(QStringView text, Visit &&visit)
{
    qsizetype pos = 0;
    for (qsizetype index = 0;; ++index) {
        const qsizetype cr = text.indexOf(u'\r', pos);
        const qsizetype end = cr < 0 ? text.size() : cr;
        visit(text.sliced(pos, end - pos), index);
        if (cr < 0)
            return;
        pos = std::min(cr + 2, text.size());
    }
}

struct Outline {
    qint64 lines = 0;
    qint64 widest = 0;
    qint64 fields = 0;
};

// Measures the text and checks every field against the limits.
Outline outlineOf(QStringView text)
{
    Outline outline;
    forEachLine(text, [&](QStringView line, qsizetype) {
        qint64 fields = 0;
        for (QStringView field : line.tokenize(u'\t')) {
            TransferLimits::checkCellLength(field.size());
            ++fields;
        }
        outline.widest = std::max(outline.widest, fields);
        outline.fields += fields;
        ++outline.lines;
    });
    return outline;
}

} // namespace

PasteResult pasteText(CellStore &cells, QPoint start, QStringView text)
{
    if (!cells.contains(start.x(), start.y()))
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (text.isEmpty())
        return {};
    TransferLimits::checkTextLength(text.size());
    const Outline outline = outlineOf(text);
    TransferLimits::checkCellCount(outline.fields);
    TransferLimits::checkGridCounts(start.x() + outline.widest, start.y() + outline.lines);

    // Growing to the end counts at once is what growing column by column
    // and row by row, as the fields and lines come, arrives at.
    cells.growTo(start.x() + int(outline.widest), start.y() + int(outline.lines));
    forEachLine(text, [&](QStringView line, qsizetype index) {
        int col = start.x();
        const int row = start.y() + int(index);
        for (QStringView field : line.tokenize(u'\t'))
            cells.setText(col++, row, field.toString());
    });
    return {qsizetype(outline.fields), QRect(start.x(), start.y(), int(outline.widest), int(outline.lines))};
}

QString withCarriageReturns(QString text)
{
    if (!text.contains(QLatin1Char('\r')))
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}
