#pragma once

#include <QRect>
#include <QString>

class CellStore;

// The text of a block of cells as copy, cut and dragging hand it out: for
// each row from top to bottom the texts of its cells from left to right
// joined by TAB, the rows joined by CR LF, no line break after the last row.
// Cell texts go in unchanged, their own line breaks and tabs included.

// The text of the cells in `block` (columns left..right, rows top..bottom,
// all inclusive); cells outside the grid read as empty. A block whose text
// would pass TransferLimits::kMaxTextLength raises EInvalidGridOperation.
[[nodiscard]] QString copyText(const CellStore &cells, const QRect &block);

// Cut: the block's copy text, then every cell of the block inside the grid
// emptied. A block too large to copy raises before any cell changes.
[[nodiscard]] QString cutText(CellStore &cells, const QRect &block);
