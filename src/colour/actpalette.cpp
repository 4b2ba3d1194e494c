#include "colour/actpalette.h"

#include "colour/paletteerror.h"

namespace {

constexpr int kColours = 256;

} // namespace

Palette ActPalette::read(const QByteArray &bytes)
{
    if (bytes.size() != kTableSize && bytes.size() != kCountedSize)
        throw EPaletteError(
            QStringLiteral("The Adobe color table has %1 bytes, not 768 or 772").arg(bytes.size()));
    int count = kColours;
    if (bytes.size() == kCountedSize) {
        count = (quint8(bytes.at(kTableSize)) << 8) | quint8(bytes.at(kTableSize + 1));
        if (count < 1 || count > kColours)
            throw EPaletteError(
                QStringLiteral("The Adobe color table's count at offset 768 is %1, not 1 to 256").arg(count));
    }
    Palette palette;
    for (int n = 0; n < count; ++n)
        palette.append({quint8(bytes.at(3 * n)), quint8(bytes.at(3 * n + 1)), quint8(bytes.at(3 * n + 2)),
                        std::nullopt});
    return palette;
}

QByteArray ActPalette::write(const ColourTable &table)
{
    QByteArray bytes(kTableSize, '\0');
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        for (int k = 0; k < 3; ++k)
            bytes[3 * entry + k] = char(table.byte(entry, k));
    }
    return bytes;
}
