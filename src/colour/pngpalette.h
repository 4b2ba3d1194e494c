#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>

// PNG swatch images (".png"): a palette as an image, the way palette sites
// and pixel-art programs share one. The format has no fourth byte.
class PngPalette {
public:
    // The largest width and height read; a larger image is refused before
    // its pixels are decoded.
    static constexpr quint32 kMaxSide = 4096;

    [[nodiscard]] static bool hasSignature(const QByteArray &bytes);

    // An indexed image gives its palette in order, duplicates kept, fully
    // transparent entries left out only at the palette's end. Any other
    // image gives the colours of its pixels in reading order, each new
    // colour once, fully transparent pixels skipped, so a strip of one
    // pixel per colour reads as that strip scaled up does. Raises
    // EPaletteError for a damaged or too large image.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    // An 8-bit indexed image of 256 x 256 pixels: the 246 entries in order
    // as 16 x 16 pixel squares, 16 per row. Its palette holds the entries
    // and, as a 247th, a fully transparent colour for the 10 squares after
    // the last entry.
    [[nodiscard]] static QByteArray write(const ColourTable &table);
};
