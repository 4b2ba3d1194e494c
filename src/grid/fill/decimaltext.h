#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Decimal numbers as the series fill reads and writes them in a locale.

// The number a text holds: the locale's decimal separator, an optional sign
// and exponent, blanks around it; no group separators, nothing infinite or
// undefined. Nothing when the text is not such a number.
[[nodiscard]] std::optional<double> readDecimal(const QString &text, const QLocale &locale);

// The fewest significant digits that read back as exactly `value`, with the
// locale's decimal separator and no group separators: plain notation from
// 1e-5 up to below 1e15 ("0.3", "100000", "-2.5"), exponent notation outside
// ("1E+20"). Zero is "0", never "-0".
[[nodiscard]] QString decimalText(double value, const QLocale &locale);

// The digits after the decimal point that the shortest exact form of
// `value` needs in plain notation (0.25 needs 2, 1.5e-20 needs 21, 300 none).
[[nodiscard]] int decimalPlaces(double value);
