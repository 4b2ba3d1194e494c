#include "colour/paletteformat.h"

#include "colour/actpalette.h"
#include "colour/asepalette.h"
#include "colour/gimppalette.h"
#include "colour/jascpalette.h"
#include "colour/pngpalette.h"
#include "colour/riffpalette.h"

#include <QFileInfo>

#include <array>

namespace {

struct Format {
    PaletteKind kind;
    const char *name;
    const char *suffix; // without the dot; nullptr for "All Files"
};

// In the order of the dialogs' type lists.
constexpr std::array<Format, 10> kFormats{{
    {PaletteKind::ColourSet, "Color Set Files", "clr"},
    {PaletteKind::ColourSet, "All Files", nullptr},
    {PaletteKind::Gimp, "GIMP Palette", "gpl"},
    {PaletteKind::Jasc, "JASC Palette", "pal"},
    {PaletteKind::Riff, "RIFF Palette", "pal"},
    {PaletteKind::Act, "Adobe Color Table", "act"},
    {PaletteKind::Hex, "Hex Palette", "hex"},
    {PaletteKind::Png, "PNG Swatch Image", "png"},
    {PaletteKind::Ase, "Adobe Swatch Exchange", "ase"},
    {PaletteKind::PaintNet, "Paint.NET Palette", "txt"},
}};

// The formats an import recognises by name when the content does not tell.
struct NamedFormat {
    PaletteKind kind;
    const char *suffix;
};
constexpr std::array<NamedFormat, 4> kNamedOnImport{{
    {PaletteKind::Hex, "hex"},
    {PaletteKind::PaintNet, "txt"},
    {PaletteKind::Png, "png"},
    {PaletteKind::Ase, "ase"},
}};

QString suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

bool startsWithText(const QByteArray &start, const char *header)
{
    const QByteArray text = start.startsWith("\xEF\xBB\xBF") ? start.mid(3) : start;
    return text.startsWith(header);
}

} // namespace

std::vector<FileFilter> PaletteFormat::dialogFilters()
{
    std::vector<FileFilter> filters;
    for (const Format &format : kFormats) {
        const QString pattern =
            format.suffix ? QStringLiteral("*.") + QLatin1String(format.suffix) : QStringLiteral("*");
        filters.push_back({QString::fromLatin1(format.name), {pattern}});
    }
    return filters;
}

PaletteKind PaletteFormat::forExport(const QString &path, int filter)
{
    const bool known = filter >= 0 && std::size_t(filter) < kFormats.size();
    const PaletteKind chosen = known ? kFormats[std::size_t(filter)].kind : PaletteKind::ColourSet;
    const QString suffix = suffixOf(path);
    if (suffix == QLatin1String("pal"))
        return chosen == PaletteKind::Riff ? PaletteKind::Riff : PaletteKind::Jasc;
    for (const Format &format : kFormats) {
        if (format.suffix && suffix == QLatin1String(format.suffix))
            return format.kind;
    }
    return chosen;
}

PaletteKind PaletteFormat::forImport(const QString &path, const QByteArray &start, qint64 size)
{
    // The program's own sets are read as they always were, whatever bytes
    // they happen to begin with.
    if (suffixOf(path) == QLatin1String("clr"))
        return PaletteKind::ColourSet;
    if (startsWithText(start, GimpPalette::kHeader))
        return PaletteKind::Gimp;
    if (startsWithText(start, JascPalette::kHeader))
        return PaletteKind::Jasc;
    if (RiffPalette::hasSignature(start))
        return PaletteKind::Riff;
    if (PngPalette::hasSignature(start))
        return PaletteKind::Png;
    if (AsePalette::hasSignature(start))
        return PaletteKind::Ase;
    // Text palettes without a header of their own go by their name; so do
    // damaged images, which their readers refuse rather than have them read
    // as a colour set.
    for (const NamedFormat &format : kNamedOnImport) {
        if (suffixOf(path) == QLatin1String(format.suffix))
            return format.kind;
    }
    if (size == ActPalette::kTableSize || size == ActPalette::kCountedSize)
        return PaletteKind::Act;
    return PaletteKind::ColourSet;
}
