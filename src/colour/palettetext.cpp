#include "colour/palettetext.h"

#include "platform/core/hexdigit.h"
namespace {

constexpr int kQuotedLength = 40;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

qsizetype skipBlanks(const QByteArray &line, qsizetype pos)
{
    while (pos < line.size() && isBlank(line.at(pos)))
        ++pos;
    return pos;
}

// A decimal number from 0 to 255 at `pos`, which moves past its digits.
std::optional<quint8> byteNumber(const QByteArray &line, qsizetype &pos)
{
    const qsizetype start = pos;
    int value = 0;
    while (pos < line.size() && line.at(pos) >= '0' && line.at(pos) <= '9') {
        value = value * 10 + (line.at(pos) - '0');
        if (value > 255)
            return std::nullopt;
        ++pos;
    }
    if (pos == start)
        return std::nullopt;
    return quint8(value);
}

} // namespace

PaletteText::PaletteText(const QByteArray &bytes) : bytes_(bytes)
{
    if (bytes_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3;
}

QByteArray PaletteText::next()
{
    ++line_;
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && bytes_.at(pos_) != '\n' && bytes_.at(pos_) != '\r')
        ++pos_;
    const QByteArray line = bytes_.mid(start, pos_ - start);
    // CR LF is one line break; a CR or an LF alone is one too.
    if (pos_ < bytes_.size() && bytes_.at(pos_++) == '\r' && pos_ < bytes_.size() && bytes_.at(pos_) == '\n')
        ++pos_;
    return line;
}

std::optional<PaletteText::Rgb> PaletteText::rgb(const QByteArray &line)
{
    Rgb result;
    quint8 *const parts[] = {&result.red, &result.green, &result.blue};
    qsizetype pos = skipBlanks(line, 0);
    for (quint8 *part : parts) {
        if (part != parts[0]) {
            const qsizetype before = pos;
            pos = skipBlanks(line, pos);
            if (pos == before)
                return std::nullopt;
        }
        const std::optional<quint8> value = byteNumber(line, pos);
        if (!value)
            return std::nullopt;
        *part = *value;
    }
    if (pos < line.size() && !isBlank(line.at(pos)))
        return std::nullopt;
    result.rest = line.mid(pos).trimmed();
    return result;
}

std::optional<QByteArray> PaletteText::hexBytes(const QByteArray &digits)
{
    if (digits.size() % 2)
        return std::nullopt;
    QByteArray bytes;
    for (qsizetype n = 0; n < digits.size(); n += 2) {
        const int high = hexDigitValue(digits.at(n));
        const int low = hexDigitValue(digits.at(n + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += char(high * 16 + low);
    }
    return bytes;
}

QString PaletteText::quoted(const QByteArray &line)
{
    QString text = QString::fromUtf8(line);
    if (text.size() > kQuotedLength)
        text = text.left(kQuotedLength) + QStringLiteral("...");
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}
