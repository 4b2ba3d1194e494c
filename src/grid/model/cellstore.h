#pragma once

#include <QHash>
#include <QString>

// The grid's cell texts, addressed column first. Only cells that hold text
// take memory, so a grid grown by pastes costs what it holds, not its area.
// Unset cells read as the empty text.
class CellStore {
public:
    CellStore(int colCount, int rowCount);

    [[nodiscard]] int colCount() const { return colCount_; }
    [[nodiscard]] int rowCount() const { return rowCount_; }
    // The counts only grow: a smaller count than the present one is ignored.
    void growTo(int colCount, int rowCount);

    [[nodiscard]] bool contains(int col, int row) const
    {
        return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
    }
    // The cell's text; a cell outside the grid reads as empty.
    [[nodiscard]] QString text(int col, int row) const;
    // Stores the text of a cell inside the grid (callers check the range).
    void setText(int col, int row, const QString &text);
    // The number of cells that hold text.
    [[nodiscard]] qsizetype filledCount() const { return texts_.size(); }
    // Room for `cellCount` cells with text, so that a large transfer does not
    // grow the table step by step.
    void reserve(qsizetype cellCount) { texts_.reserve(cellCount); }

private:
    static quint64 key(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }

    int colCount_;
    int rowCount_;
    QHash<quint64, QString> texts_;
};
