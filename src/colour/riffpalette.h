#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>

// RIFF palettes (".pal"): a "RIFF" file of form "PAL " whose "data" chunk
// holds the version 0x0300, the number of colours and four bytes per colour:
// red, green, blue and a flags byte, which carries the fourth byte. Numbers
// are little-endian; other chunks are skipped.
class RiffPalette {
public:
    // Whether `bytes` begin as a RIFF palette does ("RIFF", a size, "PAL ").
    [[nodiscard]] static bool hasSignature(const QByteArray &bytes);

    // Raises EPaletteError naming the byte offset where the file stops
    // being a complete RIFF palette.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    [[nodiscard]] static QByteArray write(const ColourTable &table);
};
