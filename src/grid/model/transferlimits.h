#pragma once

#include <QtGlobal>

// What text coming into the grid from outside (paste, drop, CSV file) may
// ask of it. Beyond these a transfer is refused with EInvalidGridOperation
// before it changes anything: a few stray bytes must not grow the grid past
// what its pixel arithmetic and the memory hold, nor make a cell too long to
// draw and measure.
class TransferLimits {
public:
    // Characters of one pasted, dropped or copied text.
    static constexpr qsizetype kMaxTextLength = qsizetype(1) << 24;
    // Characters of one cell text that a transfer writes.
    static constexpr qsizetype kMaxCellLength = 32767;
    // The column count and the row count a transfer may grow the grid to;
    // with cells of a few dozen pixels the pixel positions stay inside int.
    static constexpr int kMaxGridCount = 1 << 24;
    // Cells one transfer writes: a CSV file of one-character fields costs
    // some 80 bytes of memory per two bytes of file.
    static constexpr qsizetype kMaxCellCount = qsizetype(1) << 24;
    // Bytes of a CSV file.
    static constexpr qint64 kMaxCsvFileSize = qint64(64) << 20;

    // Each raises EInvalidGridOperation when its limit is passed.
    static void checkTextLength(qsizetype length);
    static void checkCellLength(qsizetype length);
    // `cols` and `rows` are the counts the grid would grow to (64 bits, so a
    // start cell plus a field count cannot wrap).
    static void checkGridCounts(qint64 cols, qint64 rows);
    static void checkCellCount(qint64 cells);
};
