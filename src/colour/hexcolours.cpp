#include "colour/hexcolours.h"

#include "platform/core/exceptions.h"
#include "platform/core/hexdigit.h"

#include <optional>

namespace {

// An error names at most this many characters of a token.
constexpr qsizetype kShownLength = 40;

bool isSeparator(QChar c)
{
    switch (c.unicode()) {
    case '\n':
    case '\r':
    case ' ':
    case '\t':
    case ',':
    case ';':
        return true;
    default:
        return false;
    }
}

bool isOpening(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('[');
}

bool isClosing(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char(']');
}

QStringView unwrapped(QStringView token)
{
    while (!token.isEmpty() && isOpening(token.front()))
        token = token.mid(1);
    while (!token.isEmpty() && isClosing(token.back()))
        token.chop(1);
    return token;
}

std::optional<Rgb> colourOf(QStringView token)
{
    if (token.startsWith(QLatin1Char('#')))
        token = token.mid(1);
    else if (token.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        token = token.mid(2);
    if (token.size() != 6)
        return std::nullopt;
    quint8 bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigitValue(token[2 * i].unicode());
        const int low = hexDigitValue(token[2 * i + 1].unicode());
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = quint8(high * 16 + low);
    }
    return Rgb{bytes[0], bytes[1], bytes[2]};
}

[[noreturn]] void notAColour(QStringView token)
{
    QString shown = token.left(kShownLength).toString();
    if (token.size() > kShownLength)
        shown += QStringLiteral("...");
    throw EConvertError(QStringLiteral("'%1' is not a hex color").arg(shown));
}

} // namespace

std::vector<Rgb> readHexColours(QStringView text)
{
    std::vector<Rgb> colours;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const QStringView token = unwrapped(text.mid(start, end - start));
        if (!token.isEmpty()) {
            const std::optional<Rgb> colour = colourOf(token);
            if (!colour)
                notAColour(token);
            colours.push_back(*colour);
        }
        start = end + 1;
    }
    return colours;
}

QString hexLines(const std::vector<Rgb> &colours)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    QString text;
    text.reserve(qsizetype(colours.size()) * 7);
    for (const Rgb &c : colours) {
        for (const quint8 byte : {c.red, c.green, c.blue}) {
            text += QLatin1Char(kDigits[byte >> 4]);
            text += QLatin1Char(kDigits[byte & 15]);
        }
        text += QLatin1Char('\n');
    }
    return text;
}
