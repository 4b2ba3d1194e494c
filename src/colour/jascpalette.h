#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>

// JASC palettes (".pal" text): "JASC-PAL", the version "0100", the number
// of colours, then one "R G B" line per colour, lines ending in CR LF. The
// format has no fourth byte.
class JascPalette {
public:
    static constexpr char kHeader[] = "JASC-PAL";

    // Raises EPaletteError naming the first line that is not what the format
    // allows; lines may end in CR LF, LF or CR.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    // The red, green and blue of the whole table.
    [[nodiscard]] static QByteArray write(const ColourTable &table);
};
