#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"
#include "colour/paletteformat.h"

#include <QString>

// Reads a colour set or palette file in the format its content shows. The
// file is opened for writing too, as colour sets are, so a read-only file is
// refused. A damaged palette raises EPaletteError; nothing is kept of it.
[[nodiscard]] Palette readPalette(const QString &path);

// Replaces the file with the table in `kind`, whole: an existing file is
// either kept or replaced by the complete new one.
void writePalette(const QString &path, const ColourTable &table, PaletteKind kind);
