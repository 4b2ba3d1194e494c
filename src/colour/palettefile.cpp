#include "colour/palettefile.h"

#include "colour/actpalette.h"
#include "colour/asepalette.h"
#include "colour/colourset.h"
#include "colour/gimppalette.h"
#include "colour/hexpalette.h"
#include "colour/jascpalette.h"
#include "colour/paintnetpalette.h"
#include "colour/paletteerror.h"
#include "colour/pngpalette.h"
#include "colour/riffpalette.h"
#include "platform/core/checkedfile.h"
#include "platform/core/savefile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Far more than the longest palette of any of the formats needs; a larger
// file is not read into memory.
constexpr qint64 kMaxPaletteBytes = 16 * 1024 * 1024;

QByteArray readAll(CheckedFile &file, qint64 size)
{
    if (size > kMaxPaletteBytes)
        throw EPaletteError(
            QStringLiteral("The palette file has %1 bytes, more than a palette holds").arg(size));
    QByteArray bytes(qsizetype(size), '\0');
    file.readAt(0, bytes.data(), size);
    return bytes;
}

Palette parse(PaletteKind kind, const QByteArray &bytes)
{
    switch (kind) {
    case PaletteKind::Gimp:
        return GimpPalette::read(bytes);
    case PaletteKind::Jasc:
        return JascPalette::read(bytes);
    case PaletteKind::Riff:
        return RiffPalette::read(bytes);
    case PaletteKind::Act:
        return ActPalette::read(bytes);
    case PaletteKind::Hex:
        return HexPalette::read(bytes);
    case PaletteKind::Png:
        return PngPalette::read(bytes);
    case PaletteKind::Ase:
        return AsePalette::read(bytes);
    case PaletteKind::PaintNet:
        return PaintNetPalette::read(bytes);
    case PaletteKind::ColourSet:
        break;
    }
    Q_UNREACHABLE();
}

QByteArray encode(PaletteKind kind, const ColourTable &table, const QString &path)
{
    switch (kind) {
    case PaletteKind::Gimp:
        return GimpPalette::write(table, QFileInfo(path).completeBaseName());
    case PaletteKind::Jasc:
        return JascPalette::write(table);
    case PaletteKind::Riff:
        return RiffPalette::write(table);
    case PaletteKind::Act:
        return ActPalette::write(table);
    case PaletteKind::Hex:
        return HexPalette::write(table);
    case PaletteKind::Png:
        return PngPalette::write(table);
    case PaletteKind::Ase:
        return AsePalette::write(table, QFileInfo(path).completeBaseName());
    case PaletteKind::PaintNet:
        return PaintNetPalette::write(table);
    case PaletteKind::ColourSet:
        break;
    }
    Q_UNREACHABLE();
}

} // namespace

Palette readPalette(const QString &path)
{
    CheckedFile file;
    file.openExisting(path);
    const Palette palette = readPalette(file, paletteKindOf(file));
    file.close();
    return palette;
}

PaletteKind paletteKindOf(CheckedFile &file)
{
    const qint64 size = file.size();
    QByteArray start(qsizetype(std::min<qint64>(size, PaletteFormat::kSignatureSize)), '\0');
    file.readAt(0, start.data(), start.size());
    return PaletteFormat::forImport(file.path(), start, size);
}

Palette readPalette(CheckedFile &file, PaletteKind kind)
{
    return kind == PaletteKind::ColourSet ? Palette::fromTable(readColourSet(file))
                                          : parse(kind, readAll(file, file.size()));
}

void writePalette(const QString &path, const ColourTable &table, PaletteKind kind)
{
    if (kind == PaletteKind::ColourSet)
        writeColourSet(path, table);
    else
        writeWholeFile(path, encode(kind, table, path));
}
