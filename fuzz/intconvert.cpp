// The integer conversion against a plain reference of its rules: the same
// value, or the same failure, for any text.

#include "platform/core/exceptions.h"
#include "platform/core/intconvert.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::optional<std::int32_t> reference(const std::u16string &text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    if (i == text.size())
        return std::nullopt;
    bool negative = false;
    bool hex = false;
    if (text[i] == u'-' || text[i] == u'+') {
        negative = text[i] == u'-';
        ++i;
    } else if (text[i] == u'$' || text[i] == u'x' || text[i] == u'X') {
        hex = true;
        ++i;
    } else if (text[i] == u'0' && i + 1 < text.size() && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    // Digits only; leading zeros skipped, then at most 8 hex or 10 decimal
    // significant digits, whose value is then range-checked.
    std::uint64_t value = 0;
    int significant = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        if (value == 0 && digit == 0)
            continue;
        if (++significant > (hex ? 8 : 10))
            return std::nullopt;
        value = value * (hex ? 16 : 10) + std::uint64_t(digit);
    }
    if (hex)
        return std::int32_t(std::uint32_t(value));
    if (negative)
        return value <= 2147483648ull ? std::optional<std::int32_t>(std::int32_t(-std::int64_t(value))) : std::nullopt;
    return value <= 2147483647ull ? std::optional<std::int32_t>(std::int32_t(value)) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<std::int32_t> expected = reference(text.toStdU16String());
    std::optional<std::int32_t> actual;
    try {
        actual = strToInt(text);
    } catch (const EConvertError &error) {
        if (error.message() != QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value"))
            std::abort();
    }
    if (actual != expected)
        std::abort();
    return 0;
}
