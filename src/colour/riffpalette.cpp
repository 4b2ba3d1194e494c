#include "colour/riffpalette.h"

#include "colour/paletteerror.h"

namespace {

constexpr qsizetype kFormEnd = 12; // "RIFF", size, "PAL "
constexpr qsizetype kChunkHeader = 8;
constexpr quint16 kVersion = 0x0300;

quint32 littleEndian(const QByteArray &bytes, qsizetype offset, int size)
{
    quint32 value = 0;
    for (int n = size - 1; n >= 0; --n)
        value = (value << 8) | quint8(bytes.at(offset + n));
    return value;
}

void appendLittleEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int n = 0; n < size; ++n)
        bytes += char((value >> (8 * n)) & 0xFF);
}

[[noreturn]] void refuse(const QString &what)
{
    throw EPaletteError(QStringLiteral("The RIFF palette ") + what);
}

// The "data" chunk's offset and size, within the form's end.
std::pair<qsizetype, qsizetype> dataChunk(const QByteArray &bytes, qsizetype end)
{
    qsizetype pos = kFormEnd;
    while (pos < end) {
        if (end - pos < kChunkHeader)
            refuse(QStringLiteral("is cut short in the chunk header at offset %1").arg(pos));
        const qsizetype size = littleEndian(bytes, pos + 4, 4);
        if (size > end - pos - kChunkHeader)
            refuse(QStringLiteral("is cut short: the chunk at offset %1 gives %2 bytes, %3 follow")
                       .arg(pos)
                       .arg(size)
                       .arg(end - pos - kChunkHeader));
        if (bytes.mid(pos, 4) == "data")
            return {pos, size};
        pos += kChunkHeader + size + (size & 1);
    }
    refuse(QStringLiteral("has no \"data\" chunk"));
}

} // namespace

bool RiffPalette::hasSignature(const QByteArray &bytes)
{
    return bytes.size() >= kFormEnd && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "PAL ";
}

Palette RiffPalette::read(const QByteArray &bytes)
{
    if (!hasSignature(bytes))
        refuse(QStringLiteral("does not begin with \"RIFF\" and \"PAL \" at offsets 0 and 8"));
    const qsizetype declared = qsizetype(littleEndian(bytes, 4, 4)) + 8;
    if (declared > bytes.size())
        refuse(QStringLiteral("is cut short: its size at offset 4 gives %1 bytes, the file has %2")
                   .arg(declared)
                   .arg(bytes.size()));
    const auto [chunk, size] = dataChunk(bytes, declared);
    const qsizetype data = chunk + kChunkHeader;
    if (size < 4)
        refuse(QStringLiteral("data chunk at offset %1 is too short for a version and a count").arg(chunk));
    const quint16 version = quint16(littleEndian(bytes, data, 2));
    if (version != kVersion)
        refuse(QStringLiteral("version at offset %1 is 0x%2, not 0x0300")
                   .arg(data)
                   .arg(version, 4, 16, QLatin1Char('0')));
    const qsizetype count = littleEndian(bytes, data + 2, 2);
    if (4 + 4 * count > size)
        refuse(QStringLiteral("data chunk at offset %1 holds %2 bytes, too few for its %3 colors")
                   .arg(chunk)
                   .arg(size)
                   .arg(count));
    Palette palette;
    for (qsizetype n = 0; n < count; ++n) {
        const qsizetype at = data + 4 + 4 * n;
        palette.append({quint8(bytes.at(at)), quint8(bytes.at(at + 1)), quint8(bytes.at(at + 2)),
                        quint8(bytes.at(at + 3))});
    }
    return palette;
}

QByteArray RiffPalette::write(const ColourTable &table)
{
    const quint32 dataSize = 4 + ColourTable::kByteCount;
    QByteArray bytes("RIFF");
    appendLittleEndian(bytes, 4 + kChunkHeader + dataSize, 4);
    bytes += "PAL data";
    appendLittleEndian(bytes, dataSize, 4);
    appendLittleEndian(bytes, kVersion, 2);
    appendLittleEndian(bytes, ColourTable::kEntryCount, 2);
    bytes.append(reinterpret_cast<const char *>(table.bytes().data()), ColourTable::kByteCount);
    return bytes;
}
