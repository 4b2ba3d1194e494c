#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"
#include "colour/paletteerror.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Feeds fuzz input to one palette reader: it must either read a palette of
// at most a table's entries or refuse the input with its own error, never
// crash, hang or read out of bounds.
template <class Read> int readFuzzInput(Read read, const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const Palette palette = read(bytes);
        if (palette.colours().size() > std::size_t(ColourTable::kEntryCount))
            __builtin_trap();
    } catch (const EPaletteError &) {
        // A refusal is a correct answer to a damaged file.
    }
    return 0;
}
