#pragma once

#include <QByteArray>

#include <optional>

// The chunks of a PNG image: after the eight-byte signature, each chunk is
// a big-endian length, a four-letter type, the data and a CRC-32 of type
// and data.
class PngChunks {
public:
    static constexpr char kSignature[] = "\x89PNG\r\n\x1A\n";
    static constexpr qsizetype kSignatureSize = 8;

    struct Chunk {
        QByteArray type;
        qsizetype offset = 0; // of the chunk's length, as error messages name it
        QByteArray data;
    };

    // Raises EPaletteError when `bytes` do not begin with the signature.
    explicit PngChunks(const QByteArray &bytes);

    [[nodiscard]] static bool hasSignature(const QByteArray &bytes);

    // The next chunk, checked against the file's end and its CRC; nothing
    // after IEND. Raises EPaletteError naming the offset where the file
    // stops being a complete PNG image.
    [[nodiscard]] std::optional<Chunk> next();

    // One chunk, CRC included, as written into an image.
    [[nodiscard]] static QByteArray chunk(const char *type, const QByteArray &data);

private:
    QByteArray bytes_;
    qsizetype pos_ = kSignatureSize;
    bool ended_ = false;
};
