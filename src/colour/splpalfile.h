#pragma once

#include "colour/colourtable.h"

#include <QString>

#include <optional>

class CheckedFile;

// Where the colour table starts in a file: 64 when the file name's extension
// is exactly ".pal", 68 for every other extension (".spl", ".PAL", none).
[[nodiscard]] int headerOffset(const QString &path);

// The table of an SPL or PAL file already open, from `offset` on; the file
// stays open.
[[nodiscard]] ColourTable readTableAt(CheckedFile &file, int offset);
// Writes `table` into an open SPL or PAL file in place at `offset`: one
// positioned write of the 984 table bytes, flushed to disk; every other byte
// and the length stay. A file cut shorter than its table is refused with
// "Read beyond end of file", not grown.
void writeTableAt(CheckedFile &file, int offset, const ColourTable &table);

// The SPL or PAL file being edited and its header offset.
struct FileBinding {
    QString path;
    int headerOffset = 0;
};

// Reads and writes the colour table of SPL and PAL files, in place, and
// remembers which file is being edited.
class SplPalFile {
public:
    // Reads the table of `path` into `table` and binds the file. A failed
    // read raises its error and changes neither `table` nor the binding.
    void bindAndRead(const QString &path, ColourTable &table);
    // Writes `table` into the bound file: one positioned write of the 984
    // table bytes, flushed to disk; every other byte and the length stay.
    void write(const ColourTable &table) const;

    [[nodiscard]] const std::optional<FileBinding> &binding() const { return binding_; }

private:
    std::optional<FileBinding> binding_;
};
