#include "platform/core/intconvert.h"

#include "platform/core/exceptions.h"
#include "platform/core/hexdigit.h"

#include <QByteArray>

namespace {

[[noreturn]] void raiseInvalid(const QString &text)
{
    throw EConvertError(QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value"));
}

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

qint32 strToInt(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();

    while (p != end && *p == ' ')
        ++p;

    bool negative = false;
    bool hex = false;
    if (p != end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    } else if (p != end && (*p == '$' || *p == 'x' || *p == 'X')) {
        hex = true;
        ++p;
    } else if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        hex = true;
        p += 2;
    }

    const char *const digits = p;
    quint32 value = 0;
    if (hex) {
        for (int d; p != end && (d = hexDigitValue(*p)) >= 0; ++p) {
            // A fifth nibble above 32 bits; leading zeros never trip this.
            if (value > 0x0FFFFFFFu)
                raiseInvalid(text);
            value = value * 16 + quint32(d);
        }
    } else {
        for (; p != end && isDecimalDigit(*p); ++p) {
            if (value > 214748364u)
                raiseInvalid(text);
            value = value * 10 + quint32(*p - '0'); // at most 2147483649
        }
        if (value > (negative ? 2147483648u : 2147483647u))
            raiseInvalid(text);
        if (negative)
            value = 0u - value;
    }
    if (p == digits || p != end)
        raiseInvalid(text);
    // The 32 bits as two's complement: "$FFFFFFFF" is -1.
    return qint32(value);
}
