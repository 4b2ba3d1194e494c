#pragma once

#include <QByteArray>

// Numbers stored most significant byte first, as PNG images and Adobe swatch
// exchange files keep them. Reading assumes the caller checked the bounds.
inline quint32 readBigEndian(const QByteArray &bytes, qsizetype offset, int size)
{
    quint32 value = 0;
    for (int n = 0; n < size; ++n)
        value = (value << 8) | quint8(bytes.at(offset + n));
    return value;
}

inline void appendBigEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int n = size - 1; n >= 0; --n)
        bytes += char((value >> (8 * n)) & 0xFF);
}
