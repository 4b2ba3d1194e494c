#include "grid/fill/decimaltext.h"

#include <algorithm>
#include <cmath>

namespace {

struct Digits {
    int count = 0;    // significant digits of the shortest exact form
    int exponent = 0; // of the first of them
};

Digits shortestDigits(double value)
{
    // "d.ddde+XX", in the C locale whatever the program's locale is.
    const QString form = QString::number(value, 'e', QLocale::FloatingPointShortest);
    const qsizetype e = form.indexOf(u'e');
    Digits digits;
    for (qsizetype i = 0; i < e; ++i)
        digits.count += form[i].isDigit() ? 1 : 0;
    digits.exponent = form.sliced(e + 1).toInt();
    return digits;
}

QLocale plainLocale(const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator |
                           QLocale::OmitLeadingZeroInExponent);
    return plain;
}

} // namespace

std::optional<double> readDecimal(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = plainLocale(locale).toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString decimalText(double value, const QLocale &locale)
{
    const QLocale plain = plainLocale(locale);
    if (value == 0 || !std::isfinite(value))
        return plain.toString(value == 0 ? 0.0 : value);
    const Digits digits = shortestDigits(value);
    if (digits.exponent >= -5 && digits.exponent < 15)
        return plain.toString(value, 'f', std::max(0, digits.count - 1 - digits.exponent));
    return plain.toString(value, 'g', QLocale::FloatingPointShortest);
}

int decimalPlaces(double value)
{
    if (value == 0 || !std::isfinite(value))
        return 0;
    const Digits digits = shortestDigits(value);
    return std::max(0, digits.count - 1 - digits.exponent);
}
