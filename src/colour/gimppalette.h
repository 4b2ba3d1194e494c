#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"

#include <QByteArray>
#include <QString>

// GIMP palettes (".gpl"): the line "GIMP Palette", optional "Name:" and
// "Columns:" lines, then one "R G B name" line per colour; "#" starts a
// comment line. GIMP has no fourth byte, so it travels in the colour's name
// as "a=N" at its end ("entry 7 a=1").
class GimpPalette {
public:
    static constexpr char kHeader[] = "GIMP Palette";

    // Raises EPaletteError naming the first line that is not what the format
    // allows.
    [[nodiscard]] static Palette read(const QByteArray &bytes);
    // The whole table, named `name`, as GIMP itself writes a palette.
    [[nodiscard]] static QByteArray write(const ColourTable &table, const QString &name);
};
