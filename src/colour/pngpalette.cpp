#include "colour/pngpalette.h"

#include "colour/bigendian.h"
#include "colour/paletteerror.h"
#include "colour/pngchunks.h"

#include <QImage>

#include <vector>

namespace {

constexpr qsizetype kHeaderSize = 13;
constexpr quint8 kIndexedColour = 3;
constexpr int kSide = 256;
constexpr int kSquare = 16;
constexpr int kSquaresPerRow = kSide / kSquare;
constexpr quint8 kTransparentIndex = ColourTable::kEntryCount;

[[noreturn]] void refuse(const QString &what)
{
    throw EPaletteError(QStringLiteral("The PNG image ") + what);
}

struct Header {
    quint32 width = 0;
    quint32 height = 0;
    quint8 colourType = 0;
};

Header headerOf(PngChunks &chunks)
{
    const std::optional<PngChunks::Chunk> first = chunks.next();
    if (!first || first->type != "IHDR" || first->data.size() != kHeaderSize)
        refuse(QStringLiteral("does not begin with an IHDR chunk of 13 bytes at offset 8"));
    const Header header{readBigEndian(first->data, 0, 4), readBigEndian(first->data, 4, 4),
                        quint8(first->data.at(9))};
    if (header.width < 1 || header.height < 1 || header.width > PngPalette::kMaxSide ||
        header.height > PngPalette::kMaxSide)
        refuse(QStringLiteral("is %1 x %2 pixels; only images of 1 to 4096 pixels each way are read")
                   .arg(header.width)
                   .arg(header.height));
    return header;
}

// The PLTE colours with their alpha from tRNS (opaque where it gives none).
Palette paletteOf(PngChunks &chunks)
{
    QByteArray colours;
    QByteArray alphas;
    while (const std::optional<PngChunks::Chunk> chunk = chunks.next()) {
        if (chunk->type == "PLTE") {
            if (chunk->data.isEmpty() || chunk->data.size() % 3 || chunk->data.size() > 3 * 256)
                refuse(QStringLiteral(
                           "PLTE chunk at offset %1 holds %2 bytes, not 3 for each of 1 to 256 colors")
                           .arg(chunk->offset)
                           .arg(chunk->data.size()));
            colours = chunk->data;
        } else if (chunk->type == "tRNS") {
            alphas = chunk->data;
        }
    }
    if (colours.isEmpty())
        refuse(QStringLiteral("is indexed but has no PLTE chunk"));
    qsizetype count = colours.size() / 3;
    // A transparent entry at the end only pads the palette; one before
    // others is a colour of its own.
    while (count > 0 && count <= alphas.size() && alphas.at(count - 1) == '\0')
        --count;
    Palette palette;
    for (qsizetype n = 0; n < count; ++n)
        palette.append({quint8(colours.at(3 * n)), quint8(colours.at(3 * n + 1)),
                        quint8(colours.at(3 * n + 2)), std::nullopt});
    return palette;
}

Palette pixelColoursOf(const QByteArray &bytes)
{
    QImage image;
    if (!image.loadFromData(bytes, "PNG"))
        refuse(QStringLiteral("has pixels that cannot be decoded"));
    image.convertTo(QImage::Format_ARGB32);
    std::vector<bool> seen(1 << 24);
    Palette palette;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const quint32 rgb = pixel & 0xFFFFFF;
            if (qAlpha(pixel) == 0 || seen[rgb])
                continue;
            seen[rgb] = true;
            palette.append({quint8(qRed(pixel)), quint8(qGreen(pixel)), quint8(qBlue(pixel)), std::nullopt});
        }
    }
    return palette;
}

QByteArray headerData()
{
    QByteArray data;
    appendBigEndian(data, kSide, 4);
    appendBigEndian(data, kSide, 4);
    data += char(8); // bits per index
    data += char(kIndexedColour);
    data += QByteArray(3, '\0'); // deflate, adaptive filters, not interlaced
    return data;
}

// Each row starts with its filter type, 0: the indexes as they are.
QByteArray pixelRows()
{
    QByteArray rows;
    rows.reserve(kSide * (kSide + 1));
    for (int y = 0; y < kSide; ++y) {
        rows += '\0';
        for (int x = 0; x < kSide; ++x) {
            const int square = (y / kSquare) * kSquaresPerRow + x / kSquare;
            rows += char(square < ColourTable::kEntryCount ? square : kTransparentIndex);
        }
    }
    return rows;
}

} // namespace

bool PngPalette::hasSignature(const QByteArray &bytes)
{
    return PngChunks::hasSignature(bytes);
}

Palette PngPalette::read(const QByteArray &bytes)
{
    PngChunks chunks(bytes);
    const Header header = headerOf(chunks);
    if (header.colourType == kIndexedColour)
        return paletteOf(chunks);
    // Every chunk is checked before the pixels are decoded.
    while (chunks.next()) {
    }
    return pixelColoursOf(bytes);
}

QByteArray PngPalette::write(const ColourTable &table)
{
    QByteArray colours;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        for (int k = 0; k < 3; ++k)
            colours += char(table.byte(entry, k));
    }
    colours += QByteArray(3, '\0');
    const QByteArray alphas = QByteArray(ColourTable::kEntryCount, char(0xFF)) + '\0';
    // qCompress puts the uncompressed size before the zlib stream PNG takes.
    const QByteArray compressed = qCompress(pixelRows()).mid(4);
    return QByteArray::fromRawData(PngChunks::kSignature, PngChunks::kSignatureSize) +
           PngChunks::chunk("IHDR", headerData()) + PngChunks::chunk("PLTE", colours) +
           PngChunks::chunk("tRNS", alphas) + PngChunks::chunk("IDAT", compressed) +
           PngChunks::chunk("IEND", {});
}
