#include "colour/jascpalette.h"

#include "colour/paletteerror.h"
#include "colour/palettetext.h"

namespace {

constexpr int kMaxCountDigits = 6;

[[noreturn]] void refuse(const PaletteText &text, const QString &what, const QByteArray &line)
{
    throw EPaletteError(QStringLiteral("Line %1 of the JASC palette is not %2: %3")
                            .arg(text.lineNumber())
                            .arg(what, PaletteText::quoted(line)));
}

int colourCount(PaletteText &text)
{
    const QByteArray line = text.next();
    const QByteArray digits = line.trimmed();
    bool ok = digits.size() <= kMaxCountDigits && !digits.isEmpty();
    for (const char c : digits)
        ok = ok && c >= '0' && c <= '9';
    if (!ok)
        refuse(text, QStringLiteral("a color count"), line);
    return digits.toInt();
}

} // namespace

Palette JascPalette::read(const QByteArray &bytes)
{
    PaletteText text(bytes);
    const QByteArray first = text.next();
    if (first.trimmed() != kHeader)
        refuse(text, QStringLiteral("\"JASC-PAL\""), first);
    const QByteArray version = text.next();
    if (version.trimmed() != "0100")
        refuse(text, QStringLiteral("the version \"0100\""), version);
    const int count = colourCount(text);

    Palette palette;
    for (int n = 0; n < count; ++n) {
        if (text.atEnd())
            throw EPaletteError(
                QStringLiteral(
                    "The JASC palette ends after line %1, with fewer colors than line 3 counts (%2)")
                    .arg(text.lineNumber())
                    .arg(count));
        const QByteArray line = text.next();
        const std::optional<PaletteText::Rgb> rgb = PaletteText::rgb(line);
        if (!rgb || !rgb->rest.isEmpty())
            refuse(text, QStringLiteral("three numbers from 0 to 255"), line);
        palette.append({rgb->red, rgb->green, rgb->blue, std::nullopt});
    }
    while (!text.atEnd()) {
        const QByteArray line = text.next();
        if (!line.trimmed().isEmpty())
            throw EPaletteError(
                QStringLiteral("Line %1 of the JASC palette is one more color than line 3 counts (%2): %3")
                    .arg(text.lineNumber())
                    .arg(count)
                    .arg(PaletteText::quoted(line)));
    }
    return palette;
}

QByteArray JascPalette::write(const ColourTable &table)
{
    QByteArray bytes =
        QByteArray(kHeader) + "\r\n0100\r\n" + QByteArray::number(ColourTable::kEntryCount) + "\r\n";
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        bytes += QByteArray::number(table.byte(entry, 0)) + ' ' + QByteArray::number(table.byte(entry, 1)) +
                 ' ' + QByteArray::number(table.byte(entry, 2)) + "\r\n";
    }
    return bytes;
}
