#include "colour/asepalette.h"

#include "colour/bigendian.h"
#include "colour/paletteerror.h"
#include "colour/palettetext.h"

#include <bit>
#include <cmath>

namespace {

constexpr qsizetype kHeaderSize = 12; // "ASEF", version, block count
constexpr qsizetype kBlockHeader = 6; // type, length
constexpr quint16 kColourBlock = 0x0001;
constexpr quint16 kGroupStart = 0xC001;
constexpr quint16 kGroupEnd = 0xC002;
constexpr quint16 kNormalColour = 2;
// A group name far longer than any file name still fits the name's length.
constexpr qsizetype kMaxNameUnits = 1000;

[[noreturn]] void refuse(const QString &what)
{
    throw EPaletteError(QStringLiteral("The Adobe swatch exchange file ") + what);
}

quint8 toByte(float value)
{
    const double scaled = double(value) * 255.0;
    if (!(scaled > 0.0)) // NaN too
        return 0;
    if (scaled >= 255.0)
        return 255;
    return quint8(std::lround(scaled));
}

float floatAt(const QByteArray &bytes, qsizetype offset)
{
    return std::bit_cast<float>(readBigEndian(bytes, offset, 4));
}

// How many floats a colour model has; a model the table cannot take is
// refused by name.
int valueCount(const QByteArray &model, quint32 block)
{
    if (model == "RGB ")
        return 3;
    if (model == "Gray")
        return 1;
    if (model == "CMYK" || model == "LAB ")
        refuse(QStringLiteral("holds a %1 color in block %2; only RGB and Gray colors can be read")
                   .arg(QString::fromLatin1(model.trimmed()))
                   .arg(block));
    refuse(QStringLiteral("holds a color of the unknown model %1 in block %2")
               .arg(PaletteText::quoted(model))
               .arg(block));
}

// The colour block `block` whose content runs from `start` to `end`.
Palette::Colour colourOf(const QByteArray &bytes, quint32 block, qsizetype start, qsizetype end)
{
    if (end - start < 2)
        refuse(QStringLiteral("block %1 at offset %2 is too short for a name")
                   .arg(block)
                   .arg(start - kBlockHeader));
    const qsizetype modelAt = start + 2 + 2 * qsizetype(readBigEndian(bytes, start, 2));
    if (modelAt + 4 > end)
        refuse(QStringLiteral("block %1 at offset %2 is too short for its name and color model")
                   .arg(block)
                   .arg(start - kBlockHeader));
    const int count = valueCount(bytes.mid(modelAt, 4), block);
    if (modelAt + 4 + 4 * count > end)
        refuse(QStringLiteral("block %1 at offset %2 is too short for its color values")
                   .arg(block)
                   .arg(start - kBlockHeader));
    quint8 rgb[3];
    for (int k = 0; k < 3; ++k)
        rgb[k] = toByte(floatAt(bytes, modelAt + 4 + 4 * (count == 1 ? 0 : k)));
    return {rgb[0], rgb[1], rgb[2], std::nullopt};
}

// A block's name: its length in UTF-16 units with the closing zero, the
// units big-endian, then the zero.
void appendName(QByteArray &bytes, const QString &name)
{
    appendBigEndian(bytes, quint32(name.size() + 1), 2);
    for (const QChar c : name)
        appendBigEndian(bytes, c.unicode(), 2);
    appendBigEndian(bytes, 0, 2);
}

void appendBlock(QByteArray &bytes, quint16 type, const QByteArray &content)
{
    appendBigEndian(bytes, type, 2);
    appendBigEndian(bytes, quint32(content.size()), 4);
    bytes += content;
}

QByteArray colourBlock(const ColourTable &table, int entry)
{
    QByteArray content;
    appendName(content, QStringLiteral("Entry %1").arg(entry));
    content += "RGB ";
    for (int k = 0; k < 3; ++k)
        appendBigEndian(content, std::bit_cast<quint32>(float(table.byte(entry, k)) / 255.0f), 4);
    appendBigEndian(content, kNormalColour, 2);
    return content;
}

} // namespace

bool AsePalette::hasSignature(const QByteArray &bytes)
{
    return bytes.startsWith("ASEF");
}

Palette AsePalette::read(const QByteArray &bytes)
{
    if (!hasSignature(bytes))
        refuse(QStringLiteral("does not begin with \"ASEF\""));
    if (bytes.size() < kHeaderSize)
        refuse(QStringLiteral("is cut short in its header at offset %1").arg(bytes.size()));
    const quint32 major = readBigEndian(bytes, 4, 2);
    if (major != 1)
        refuse(QStringLiteral("version at offset 4 is %1.%2, not 1.0")
                   .arg(major)
                   .arg(readBigEndian(bytes, 6, 2)));
    const quint32 blocks = readBigEndian(bytes, 8, 4);
    Palette palette;
    qsizetype pos = kHeaderSize;
    // Every block takes at least its header, so a huge count soon meets the
    // file's end.
    for (quint32 block = 1; block <= blocks; ++block) {
        if (bytes.size() - pos < kBlockHeader)
            refuse(QStringLiteral("ends at offset %1, before block %2 of the %3 its header counts")
                       .arg(pos)
                       .arg(block)
                       .arg(blocks));
        const quint32 type = readBigEndian(bytes, pos, 2);
        const qsizetype size = readBigEndian(bytes, pos + 2, 4);
        const qsizetype start = pos + kBlockHeader;
        if (size > bytes.size() - start)
            refuse(QStringLiteral("is cut short: block %1 at offset %2 gives %3 bytes, %4 follow")
                       .arg(block)
                       .arg(pos)
                       .arg(size)
                       .arg(bytes.size() - start));
        if (type == kColourBlock)
            palette.append(colourOf(bytes, block, start, start + size));
        pos = start + size;
    }
    return palette;
}

QByteArray AsePalette::write(const ColourTable &table, const QString &name)
{
    QByteArray bytes("ASEF");
    appendBigEndian(bytes, 1, 2);
    appendBigEndian(bytes, 0, 2);
    appendBigEndian(bytes, ColourTable::kEntryCount + 2, 4);
    QByteArray group;
    appendName(group, name.left(kMaxNameUnits));
    appendBlock(bytes, kGroupStart, group);
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        appendBlock(bytes, kColourBlock, colourBlock(table, entry));
    appendBlock(bytes, kGroupEnd, {});
    return bytes;
}
