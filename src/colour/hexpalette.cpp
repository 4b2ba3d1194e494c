#include "colour/hexpalette.h"

#include "colour/paletteerror.h"
#include "colour/palettetext.h"

Palette HexPalette::read(const QByteArray &bytes)
{
    PaletteText text(bytes);
    Palette palette;
    while (!text.atEnd()) {
        const QByteArray line = text.next();
        QByteArray digits = line.trimmed();
        if (digits.isEmpty())
            continue;
        if (digits.startsWith('#'))
            digits.remove(0, 1);
        const std::optional<QByteArray> rgb = PaletteText::hexBytes(digits);
        if (!rgb || rgb->size() != 3)
            throw EPaletteError(QStringLiteral("Line %1 of the hex palette is not six hex digits: %2")
                                    .arg(text.lineNumber())
                                    .arg(PaletteText::quoted(line)));
        palette.append({quint8(rgb->at(0)), quint8(rgb->at(1)), quint8(rgb->at(2)), std::nullopt});
    }
    return palette;
}

QByteArray HexPalette::write(const ColourTable &table)
{
    QByteArray bytes;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        const char rgb[] = {char(table.byte(entry, 0)), char(table.byte(entry, 1)),
                            char(table.byte(entry, 2))};
        bytes += QByteArray(rgb, 3).toHex() + '\n';
    }
    return bytes;
}
