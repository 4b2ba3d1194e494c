#include "colour/colourset.h"

#include "platform/core/checkedfile.h"
#include "platform/core/savefile.h"

#include <QByteArray>

ColourTable readColourSet(const QString &path)
{
    CheckedFile file;
    file.openExisting(path);
    const ColourTable table = readColourSet(file);
    file.close();
    return table;
}

ColourTable readColourSet(CheckedFile &file)
{
    ColourTable table;
    file.readAt(0, reinterpret_cast<char *>(table.bytes().data()), ColourTable::kByteCount);
    return table;
}

void writeColourSet(const QString &path, const ColourTable &table)
{
    const QByteArray bytes(reinterpret_cast<const char *>(table.bytes().data()), ColourTable::kByteCount);
    writeWholeFile(path, bytes);
}
