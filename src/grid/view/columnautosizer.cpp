#include "grid/view/columnautosizer.h"

#include "grid/model/cellstore.h"

#include <algorithm>

QStringList ColumnAutoSizer::lines(const QString &text)
{
    QStringList result;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r'))
            continue;
        result.append(text.mid(begin, i - begin));
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        begin = i + 1;
    }
    result.append(text.mid(begin));
    return result;
}

int ColumnAutoSizer::textWidth(const QString &line) const
{
    auto known = widths_.constFind(line);
    if (known != widths_.constEnd())
        return *known;
    const int width = metrics_.horizontalAdvance(line);
    widths_.insert(line, width);
    return width;
}

int ColumnAutoSizer::width(const CellStore &cells, int col, int margin) const
{
    int widest = 0;
    for (int row = 0; row < cells.rowCount(); ++row) {
        const QString text = cells.text(col, row);
        if (text.isEmpty())
            continue;
        for (const QString &line : lines(text))
            widest = std::max(widest, textWidth(line));
    }
    return widest + textWidth(QStringLiteral("xx")) + margin;
}
