#include "colour/paintnetpalette.h"

#include "colour/paletteerror.h"
#include "colour/palettetext.h"

Palette PaintNetPalette::read(const QByteArray &bytes)
{
    PaletteText text(bytes);
    Palette palette;
    while (!text.atEnd()) {
        const QByteArray line = text.next();
        const QByteArray content = line.trimmed();
        if (content.isEmpty() || content.startsWith(';'))
            continue;
        const std::optional<QByteArray> argb = PaletteText::hexBytes(content);
        if (!argb || argb->size() != 4)
            throw EPaletteError(
                QStringLiteral("Line %1 of the Paint.NET palette is not eight hex digits AARRGGBB: %2")
                    .arg(text.lineNumber())
                    .arg(PaletteText::quoted(line)));
        palette.append({quint8(argb->at(1)), quint8(argb->at(2)), quint8(argb->at(3)), std::nullopt});
    }
    return palette;
}

QByteArray PaintNetPalette::write(const ColourTable &table)
{
    QByteArray bytes("; Written by Dere Davovo: the 246 entries of a color table\r\n");
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        const char argb[] = {char(0xFF), char(table.byte(entry, 0)), char(table.byte(entry, 1)),
                             char(table.byte(entry, 2))};
        bytes += QByteArray(argb, 4).toHex().toUpper() + "\r\n";
    }
    return bytes;
}
