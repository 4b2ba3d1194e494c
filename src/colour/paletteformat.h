#pragma once

#include "platform/core/filefilter.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The file formats a colour table travels in: the program's own colour set
// and the palettes of other editors.
enum class PaletteKind { ColourSet, Gimp, Jasc, Riff, Act, Hex, Png, Ase, PaintNet };

// Which format a file is written or read in.
class PaletteFormat {
public:
    // How many first bytes `forImport` looks at.
    static constexpr qsizetype kSignatureSize = 16; // a UTF-8 mark and "GIMP Palette"

    // The types of the export and import dialogs: "Color Set Files" (first,
    // so preselected), "All Files", then one per palette format.
    [[nodiscard]] static std::vector<FileFilter> dialogFilters();

    // The format an export writes: the extension when it names one (".pal"
    // names a JASC palette unless the RIFF type is chosen), else the chosen
    // type of `dialogFilters()`; "All Files" writes a colour set.
    [[nodiscard]] static PaletteKind forExport(const QString &path, int filter);

    // The format an import reads, from the file's content where it tells:
    // a text header, or the RIFF, PNG or ASE signature; else from the name
    // (".hex", ".txt", and ".png" or ".ase" without their signature, which
    // their readers refuse); else from a size of 768 or 772 bytes. Anything
    // else, and every file named ".clr", is a colour set.
    [[nodiscard]] static PaletteKind forImport(const QString &path, const QByteArray &start, qint64 size);
};
