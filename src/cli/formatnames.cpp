#include "cli/formatnames.h"

#include <QStringList>

#include <array>

namespace {

struct Name {
    PaletteKind kind;
    const char *option;
    const char *extension;
    const char *description;
};

constexpr std::array<Name, 5> kNames{{
    {PaletteKind::ColourSet, "clr", ".clr", "a color set: the bare 984-byte table"},
    {PaletteKind::Gimp, "gpl", ".gpl", "a GIMP palette"},
    {PaletteKind::Jasc, "jasc", ".pal", "a JASC palette"},
    {PaletteKind::Riff, "riff", ".pal", "a RIFF palette"},
    {PaletteKind::Act, "act", ".act", "an Adobe color table"},
}};

} // namespace

std::optional<PaletteKind> FormatNames::fromOption(const QString &name)
{
    for (const Name &n : kNames) {
        if (name == QLatin1String(n.option))
            return n.kind;
    }
    return std::nullopt;
}

QString FormatNames::optionList()
{
    QStringList options;
    for (const Name &n : kNames)
        options << QLatin1String(n.option);
    return options.join(QLatin1Char('|'));
}

QString FormatNames::describe(PaletteKind kind)
{
    for (const Name &n : kNames) {
        if (n.kind == kind)
            return QString::fromLatin1(n.description).section(QLatin1Char(':'), 0, 0);
    }
    return QStringLiteral("a palette");
}

QString FormatNames::helpLines()
{
    QString lines;
    for (const Name &n : kNames)
        lines += QStringLiteral("  %1  %2  %3\n")
                     .arg(QLatin1String(n.option), -4)
                     .arg(QLatin1String(n.extension), -4)
                     .arg(QLatin1String(n.description));
    return lines;
}
