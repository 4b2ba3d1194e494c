#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QStringList>

#include <vector>

class CellStore;

// Fits column widths to their texts: the widest line of any cell of the
// column (lines split at CR, an LF right after a CR belonging to the break)
// plus the width of "xx", plus the margin.
class ColumnAutoSizer {
public:
    explicit ColumnAutoSizer(const QFontMetrics &metrics) : metrics_(metrics) {}

    // The width for one column, over every row, fixed rows included.
    [[nodiscard]] int width(const CellStore &cells, int col, int margin) const;
    // The lines of a cell text as the grid measures and draws them.
    [[nodiscard]] static QStringList lines(const QString &text);

private:
    [[nodiscard]] int textWidth(const QString &line) const;

    QFontMetrics metrics_;
    // Grid texts repeat (0 to 255), and measuring is the costly part.
    mutable QHash<QString, int> widths_;
};
