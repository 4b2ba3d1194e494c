#include "colour/pngchunks.h"

#include "colour/bigendian.h"
#include "colour/paletteerror.h"

#include <array>

namespace {

constexpr qsizetype kChunkFrame = 12; // length, type, CRC
constexpr quint32 kMaxLength = 0x7FFFFFFF;

[[noreturn]] void refuse(const QString &what)
{
    throw EPaletteError(QStringLiteral("The PNG image ") + what);
}

// The CRC-32 of ISO 3309 that PNG uses, one table of 256 remainders.
quint32 crc32(const char *data, qsizetype size)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> remainders{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            remainders[n] = c;
        }
        return remainders;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype n = 0; n < size; ++n)
        crc = table[(crc ^ quint8(data[n])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

} // namespace

PngChunks::PngChunks(const QByteArray &bytes) : bytes_(bytes)
{
    if (!hasSignature(bytes))
        refuse(QStringLiteral("does not begin with the PNG signature"));
}

bool PngChunks::hasSignature(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArray::fromRawData(kSignature, kSignatureSize));
}

std::optional<PngChunks::Chunk> PngChunks::next()
{
    if (ended_)
        return std::nullopt;
    if (bytes_.size() - pos_ < kChunkFrame)
        refuse(QStringLiteral("ends at offset %1 without an IEND chunk").arg(pos_));
    const quint32 length = readBigEndian(bytes_, pos_, 4);
    const qsizetype follow = bytes_.size() - pos_ - kChunkFrame;
    if (length > kMaxLength || qsizetype(length) > follow)
        refuse(QStringLiteral("is cut short: the chunk at offset %1 gives %2 bytes, %3 follow")
                   .arg(pos_)
                   .arg(length)
                   .arg(follow));
    const quint32 stored = readBigEndian(bytes_, pos_ + 8 + length, 4);
    if (stored != crc32(bytes_.constData() + pos_ + 4, 4 + length))
        refuse(QStringLiteral("chunk at offset %1 fails its CRC check").arg(pos_));
    Chunk chunk{bytes_.mid(pos_ + 4, 4), pos_, bytes_.mid(pos_ + 8, length)};
    pos_ += kChunkFrame + length;
    ended_ = chunk.type == "IEND";
    return chunk;
}

QByteArray PngChunks::chunk(const char *type, const QByteArray &data)
{
    QByteArray bytes;
    appendBigEndian(bytes, quint32(data.size()), 4);
    const QByteArray typed = QByteArray(type, 4) + data;
    bytes += typed;
    appendBigEndian(bytes, crc32(typed.constData(), typed.size()), 4);
    return bytes;
}
