#include "colour/gimppalette.h"

#include "colour/paletteerror.h"
#include "colour/palettetext.h"

#include <algorithm>

namespace {

constexpr int kColumns = 16;

// The fourth byte a colour's name carries as its last word, "a=N".
std::optional<quint8> fourthFromName(const QByteArray &name)
{
    const qsizetype cut = std::max(name.lastIndexOf(' '), name.lastIndexOf('\t'));
    const QByteArray word = name.mid(cut + 1);
    if (!word.startsWith("a=") || word.size() < 3 || word.size() > 5)
        return std::nullopt;
    int value = 0;
    for (const char c : word.mid(2)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255)
        return std::nullopt;
    return quint8(value);
}

bool isHeaderLine(const QByteArray &line)
{
    return line.startsWith("Name:") || line.startsWith("Columns:");
}

// One line of text: a name from a file name must not break the format.
QByteArray oneLine(const QString &name)
{
    QString line;
    for (const QChar c : name)
        line += c.isPrint() ? c : QLatin1Char(' ');
    line = line.trimmed();
    return line.isEmpty() ? QByteArrayLiteral("Colors") : line.toUtf8();
}

} // namespace

Palette GimpPalette::read(const QByteArray &bytes)
{
    PaletteText text(bytes);
    const QByteArray first = text.next();
    if (!first.startsWith(kHeader))
        throw EPaletteError(QStringLiteral("Line 1 of the GIMP palette is not \"GIMP Palette\": %1")
                                .arg(PaletteText::quoted(first)));
    Palette palette;
    bool header = true;
    while (!text.atEnd()) {
        const QByteArray line = text.next();
        const QByteArray content = line.trimmed();
        if (content.isEmpty() || content.startsWith('#') || (header && isHeaderLine(line)))
            continue;
        header = false;
        const std::optional<PaletteText::Rgb> rgb = PaletteText::rgb(line);
        if (!rgb)
            throw EPaletteError(
                QStringLiteral("Line %1 of the GIMP palette is not three numbers from 0 to 255: %2")
                    .arg(text.lineNumber())
                    .arg(PaletteText::quoted(line)));
        palette.append({rgb->red, rgb->green, rgb->blue, fourthFromName(rgb->rest)});
    }
    return palette;
}

QByteArray GimpPalette::write(const ColourTable &table, const QString &name)
{
    QByteArray bytes = QByteArray(kHeader) + "\nName: " + oneLine(name) +
                       "\nColumns: " + QByteArray::number(kColumns) + "\n#\n";
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        bytes += QStringLiteral("%1 %2 %3\tentry %4 a=%5\n")
                     .arg(table.byte(entry, 0), 3)
                     .arg(table.byte(entry, 1), 3)
                     .arg(table.byte(entry, 2), 3)
                     .arg(entry)
                     .arg(table.byte(entry, 3))
                     .toLatin1();
    }
    return bytes;
}
