#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"
#include "colour/paletteformat.h"

#include <QString>

class CheckedFile;

// Reads a colour set or palette file in the format its content shows. The
// file is opened for writing too, as colour sets are, so a read-only file is
// refused. A damaged palette raises EPaletteError; nothing is kept of it.
[[nodiscard]] Palette readPalette(const QString &path);
// The same in two steps on a file already open, which stays open: the format
// its name and content show, then the file read in a format.
[[nodiscard]] PaletteKind paletteKindOf(CheckedFile &file);
[[nodiscard]] Palette readPalette(CheckedFile &file, PaletteKind kind);

// Replaces the file with the table in `kind`, whole: an existing file is
// either kept or replaced by the complete new one.
void writePalette(const QString &path, const ColourTable &table, PaletteKind kind);
