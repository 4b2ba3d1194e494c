#pragma once

#include <QString>

// Converts a text to a signed 32-bit integer: leading blanks, then a signed
// decimal number, or a hexadecimal one after "$", "x", "X", "0x" or "0X"
// (two's complement, up to 32 bits). Anything else raises EConvertError with
// "'<text>' is not a valid integer value".
[[nodiscard]] qint32 strToInt(const QString &text);
