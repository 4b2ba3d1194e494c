#pragma once

#include <QLocale>
#include <QRect>

class CellStore;

// Smart filling after a paste of `pasted` cells into `selection` (columns
// left..right, rows top..bottom, inclusive, inside the grid):
// - one cell pasted into a selection of more than one cell: every selected
//   cell gets the text of the top-left cell;
// - two cells pasted into a single row, a single column or a single cell: the
//   selection is filled with the series (fillSeries) that the top-left cell
//   starts and the next cell continues: the cell below it for a single
//   column, the cell to its right otherwise. Cells are filled column by
//   column from the left, each from the top;
// - anything else: nothing.
// A series whose texts do not convert raises EConvertError before any cell
// changes. A selection of more than TransferLimits::kMaxCellCount cells is
// not filled (EInvalidGridOperation). Returns the cells written: the
// selection, or an empty rectangle.
QRect smartFill(CellStore &cells, const QRect &selection, qsizetype pasted, const QLocale &locale);
