#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>

// Paint.NET palettes (".txt"): comment lines beginning with ";" and one
// colour per line as eight hex digits "AARRGGBB". The alpha is an opacity,
// not the fourth byte, so the format keeps no fourth byte.
class PaintNetPalette {
public:
    // Blank and comment lines are skipped; every other line is eight hex
    // digits of either case, blanks around allowed. Raises EPaletteError
    // naming the first line that is not.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    // A comment naming the program, then 246 lines "FFRRGGBB" in upper case,
    // lines ending in CR LF as Paint.NET writes them.
    [[nodiscard]] static QByteArray write(const ColourTable &table);
};
