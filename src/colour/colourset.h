#pragma once

#include "colour/colourtable.h"

#include <QString>

class CheckedFile;

// Colour set files (".clr"): the bare 984-byte colour table, no header.

// Reads the first 984 bytes of an existing colour set; anything after them is
// ignored. The file is opened for writing too, so a read-only set is refused.
[[nodiscard]] ColourTable readColourSet(const QString &path);
// The same from a file already open, which stays open.
[[nodiscard]] ColourTable readColourSet(CheckedFile &file);

// Replaces the file with the table, whole: an existing set is either kept or
// replaced by the complete new one.
void writeColourSet(const QString &path, const ColourTable &table);
