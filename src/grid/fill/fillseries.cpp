#include "grid/fill/fillseries.h"

#include "grid/fill/decimaltext.h"
#include "grid/fill/localedatetime.h"
#include "platform/core/exceptions.h"
#include "platform/core/intconvert.h"

#include <limits>

namespace {

// a x b, nothing when it does not fit in 64 bits.
std::optional<qint64> times(qint64 a, qint64 b)
{
    qint64 product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return std::nullopt;
    return product;
}

struct DateStep {
    enum Unit { Days, Months, Years, Milliseconds } unit = Milliseconds;
    qint64 amount = 0;

    // The value k steps after `start`; an invalid one when out of range.
    [[nodiscard]] QDateTime after(const QDateTime &start, qint64 k) const
    {
        const std::optional<qint64> total = times(amount, k);
        if (!total)
            return {};
        const bool fitsInt =
            *total >= std::numeric_limits<int>::min() && *total <= std::numeric_limits<int>::max();
        switch (unit) {
        case Days:
            return start.addDays(*total);
        case Months:
            return fitsInt ? start.addMonths(int(*total)) : QDateTime();
        case Years:
            return fitsInt ? start.addYears(int(*total)) : QDateTime();
        case Milliseconds:
            break;
        }
        return start.addMSecs(*total);
    }
};

DateStep stepBetween(const QDateTime &first, const QDateTime &second)
{
    const QDate a = first.date();
    const QDate b = second.date();
    const int differing = int(a.day() != b.day()) + int(a.month() != b.month()) + int(a.year() != b.year());
    if (differing != 1)
        return {DateStep::Milliseconds, first.msecsTo(second)};
    if (a.day() != b.day())
        return {DateStep::Days, b.day() - a.day()};
    if (a.month() != b.month())
        return {DateStep::Months, b.month() - a.month()};
    return {DateStep::Years, b.year() - a.year()};
}

QDateTime readDateTime(const LocaleDateTime &dates, const QString &text)
{
    const std::optional<QDateTime> value = dates.read(text);
    if (!value)
        throw EConvertError(QLatin1Char('\'') + text + QStringLiteral("' is not a valid date and time"));
    return *value;
}

QStringList dateSeries(const LocaleDateTime &dates, const QString &first, const QString &second,
                       qsizetype count)
{
    const QDateTime start = readDateTime(dates, first);
    const DateStep step = stepBetween(start, readDateTime(dates, second));
    const bool asDate = first.contains(dates.dateSeparator());
    QStringList texts;
    texts.reserve(count);
    for (qsizetype k = 0; k < count; ++k) {
        const QDateTime value = step.after(start, k);
        texts += asDate ? dates.dateText(value) : dates.timeText(value);
    }
    return texts;
}

double readNumber(const QString &text, const QLocale &locale)
{
    const std::optional<double> value = readDecimal(text, locale);
    if (!value)
        throw EConvertError(QLatin1Char('\'') + text +
                            QStringLiteral("' is not a valid floating point value"));
    return *value;
}

QStringList decimalSeries(const QString &first, const QString &second, qsizetype count, const QLocale &locale)
{
    const double start = readNumber(first, locale);
    const double next = readNumber(second, locale);
    const double step = next - start;
    const int places = std::max(decimalPlaces(start), decimalPlaces(next));
    QStringList texts;
    texts.reserve(count);
    for (qsizetype k = 0; k < count; ++k) {
        // The exact decimal series has no more places than its two numbers.
        const double value = QString::number(start + double(k) * step, 'f', places).toDouble();
        texts += decimalText(value, locale);
    }
    return texts;
}

std::optional<qint64> integerOf(const QString &text)
{
    try {
        return strToInt(text);
    } catch (const EConvertError &) {
        // Not an integer: no integer series, and no error either.
        return std::nullopt;
    }
}

std::optional<QStringList> integerSeries(const QString &first, const QString &second, qsizetype count)
{
    const std::optional<qint64> start = integerOf(first);
    const std::optional<qint64> next = integerOf(second);
    if (!start || !next)
        return std::nullopt;
    QStringList texts;
    texts.reserve(count);
    for (qsizetype k = 0; k < count; ++k)
        texts += QString::number(*start + qint64(k) * (*next - *start));
    return texts;
}

} // namespace

std::optional<QStringList> fillSeries(const QString &first, const QString &second, qsizetype count,
                                      const QLocale &locale)
{
    const LocaleDateTime dates(locale);
    auto isDateOrTime = [&](const QString &text) {
        return text.contains(dates.dateSeparator()) || text.contains(dates.timeSeparator());
    };
    if (isDateOrTime(first) && isDateOrTime(second))
        return dateSeries(dates, first, second, count);
    const QString decimalPoint = locale.decimalPoint();
    if (first.contains(decimalPoint) || second.contains(decimalPoint))
        return decimalSeries(first, second, count, locale);
    return integerSeries(first, second, count);
}
