#include "colour/paletteformat.h"

#include "colour/actpalette.h"
#include "colour/gimppalette.h"
#include "colour/jascpalette.h"
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
constexpr std::array<Format, 6> kFormats{{
    {PaletteKind::ColourSet, "Color Set Files", "clr"},
    {PaletteKind::ColourSet, "All Files", nullptr},
    {PaletteKind::Gimp, "GIMP Palette", "gpl"},
    {PaletteKind::Jasc, "JASC Palette", "pal"},
    {PaletteKind::Riff, "RIFF Palette", "pal"},
    {PaletteKind::Act, "Adobe Color Table", "act"},
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
    if (size == ActPalette::kTableSize || size == ActPalette::kCountedSize)
        return PaletteKind::Act;
    return PaletteKind::ColourSet;
}
