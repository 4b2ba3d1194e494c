#pragma once

#include "colour/colourtable.h"
#include "colour/palette.h"
#include "colour/paletteformat.h"
#include "platform/core/checkedfile.h"

#include <QString>

#include <optional>

// A file read as a colour table, whatever it holds: a colour set when its
// name ends in ".clr"; a palette when its content shows one, as Import
// Colors reads it (so a ".pal" file holding a JASC or RIFF palette is that
// palette); else an SPL or PAL file, its table at the header offset its name
// gives.
class TableFile {
public:
    // Opens the file for reading and writing, as the editor opens every file
    // (a read-only one is refused), and finds out what it holds.
    explicit TableFile(const QString &path);

    // The palette format, or nothing for an SPL or PAL file.
    [[nodiscard]] const std::optional<PaletteKind> &paletteKind() const { return kind_; }

    // The colours the file gives: all 246 entries of an SPL or PAL file or
    // a colour set, as many as a palette holds.
    [[nodiscard]] Palette colours();
    // Its table, 0 where the file gives no byte.
    [[nodiscard]] ColourTable table();
    // Writes `table` into an SPL or PAL file in place, as Save does.
    void writeTable(const ColourTable &table);
    void close();

private:
    CheckedFile file_;
    std::optional<PaletteKind> kind_;
};
