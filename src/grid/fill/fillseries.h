#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The series that smart filling continues from two texts, tried in this
// order:
// - date and time, when each text holds the locale's date separator or its
//   time separator (read and written as LocaleDateTime says). When the two
//   calendar dates differ in exactly one of day, month and year the step is
//   that many days, months or years, otherwise the exact difference of the
//   two values. Cell k holds first + k steps, counted from the first value,
//   so a month or year step that lands on a day the month lacks takes the
//   month's last day and the next month goes back to the first value's day
//   (31 Jan, 29 Feb, 31 Mar in a leap year). Texts are short dates when the
//   first text holds the date separator, long times otherwise.
// - decimal, when either text holds the locale's decimal separator: cell k
//   holds first + k x (second - first), rounded to the decimal places of the
//   two numbers (so 0.1, 0.2 go on 0.3, not 0.30000000000000004), in the
//   text form of decimalText().
// - integer, when both texts are integers in the program's integer
//   conversion: first + k x (second - first) in decimal, in 64 bits.
//
// Date and decimal texts that do not convert raise EConvertError: "'<text>'
// is not a valid date and time" or "'<text>' is not a valid floating point
// value", naming the first text that fails. Nothing when no series applies.
[[nodiscard]] std::optional<QStringList> fillSeries(const QString &first, const QString &second,
                                                    qsizetype count, const QLocale &locale);
