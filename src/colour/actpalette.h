#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>

// Adobe colour tables (".act"): 256 colours of red, green and blue, 768
// bytes; or 772, where a big-endian count of the colours in use and the
// index of the transparent one (0xFFFF for none) follow. The format has no
// fourth byte.
class ActPalette {
public:
    static constexpr qsizetype kTableSize = 768;
    static constexpr qsizetype kCountedSize = 772;

    // Raises EPaletteError for a size other than these two, or a count
    // that is not 1 to 256.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    // 768 bytes: the table's colours and black after them, without a count,
    // since some programs refuse a counted table and others read its count
    // as a 257th colour.
    [[nodiscard]] static QByteArray write(const ColourTable &table);
};
