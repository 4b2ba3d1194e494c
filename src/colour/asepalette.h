#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>
#include <QString>

// Adobe swatch exchange files (".ase"): "ASEF", the version 1.0, the number
// of blocks, then the blocks: colours, and the starts and ends of groups
// that hold them. A colour block has a name, a colour model and its values
// as floats from 0 to 1. Numbers are big-endian. The format has no fourth
// byte.
class AsePalette {
public:
    [[nodiscard]] static bool hasSignature(const QByteArray &bytes);

    // The colour blocks in file order, groups flattened; RGB values become
    // round(v * 255), clamped to 0 to 255, and a Gray value all three. Other
    // blocks are skipped. Raises EPaletteError for a CMYK or LAB colour,
    // naming the model and the block's number, and for a damaged file,
    // naming the byte offset.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    // One group named `name` holding 246 RGB colours "Entry 0" to
    // "Entry 245", each of colour type normal.
    [[nodiscard]] static QByteArray write(const ColourTable &table, const QString &name);
};
