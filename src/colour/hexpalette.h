#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>

// Hex palettes (".hex"), as palette sites offer them for download: one
// colour per line as six hex digits "rrggbb". The format has no fourth byte.
class HexPalette {
public:
    // Blank lines are skipped; every other line is six hex digits of either
    // case, with an optional "#" before them and blanks around. Raises
    // EPaletteError naming the first line that is not.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    // 246 lines "rrggbb" in lower case, each ending in a line feed.
    [[nodiscard]] static QByteArray write(const ColourTable &table);
};
