#include "colour/tablefile.h"

#include "colour/palettefile.h"
#include "colour/splpalfile.h"

#include <QFileInfo>

TableFile::TableFile(const QString &path)
{
    file_.openExisting(path);
    // The editor's own colour sets are known by their name alone; otherwise
    // only a recognised palette is one, as SPL and PAL files carry no mark.
    if (QFileInfo(path).suffix().compare(QLatin1String("clr"), Qt::CaseInsensitive) == 0) {
        kind_ = PaletteKind::ColourSet;
        return;
    }
    const PaletteKind kind = paletteKindOf(file_);
    if (kind != PaletteKind::ColourSet)
        kind_ = kind;
}

Palette TableFile::colours()
{
    if (kind_)
        return readPalette(file_, *kind_);
    return Palette::fromTable(readTableAt(file_, headerOffset(file_.path())));
}

ColourTable TableFile::table()
{
    if (kind_)
        return readPalette(file_, *kind_).appliedTo(ColourTable());
    return readTableAt(file_, headerOffset(file_.path()));
}

void TableFile::writeTable(const ColourTable &table)
{
    Q_ASSERT(!kind_);
    writeTableAt(file_, headerOffset(file_.path()), table);
}

void TableFile::close()
{
    file_.close();
}
