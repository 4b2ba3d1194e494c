#pragma once

#include <QPoint>
#include <QRect>
#include <QStringView>

class CellStore;

// What a paste or a text drop wrote.
struct PasteResult {
    // The cells written, empty ones included.
    qsizetype count = 0;
    // The block the text covered (columns from the start column to the end
    // of the longest line, rows from the start row to the last line's row);
    // empty when nothing was written.
    QRect area;
};

// Writes a text into the cells from `start` on, as paste and text drops do.
// A line is the text up to the next CR or to the end; the character after a
// CR is skipped as the LF of the pair, whatever it is. A text that ends with
// a line break therefore has one more line, holding a single empty field.
// Line n goes into row start.y + n, split at TAB: field k into column
// start.x + k. The column count grows to hold every field and the row count
// to hold every line (one row at a time, as each line after the last row
// begins); counts never shrink.
//
// The empty text writes nothing. A start cell outside the grid raises
// EInvalidGridOperation "Grid index out of range". A text or a field longer
// than TransferLimits allows, or one that would grow the grid past them,
// raises EInvalidGridOperation before any cell or count changes.
PasteResult pasteText(CellStore &cells, QPoint start, QStringView text);

// Text from programs that end their lines with LF alone gets CR LF, so its
// lines go into rows as the grid's own copies do; text that holds a CR is
// left as it is.
[[nodiscard]] QString withCarriageReturns(QString text);
