#pragma once

#include <QChar>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

// Dates and times as the series fill reads and writes them in a locale:
// written in the locale's short date format and its long time format (the
// latter without its time-zone name, which is no part of a cell's value).
//
// Reading is forgiving in the way people type dates: a date is three numbers
// in the order of the short date format (day, month, year in any order)
// separated by the date separator, spaces allowed after a separator; days
// and months of one or two digits; years of three or four digits as they
// stand, of one or two digits in 1969 to 2068 (00 to 68 are 2000 to 2068).
// A time is hours, optionally minutes and seconds, separated by the time
// separator, with the locale's AM or PM text (any case) before or after it;
// with a marker the hours run 1 to 12, without one 0 to 23. A text holds a
// date, a time, or a date followed by blanks and a time. The values have no
// time zone: a day of 24 hours, always.
class LocaleDateTime {
public:
    explicit LocaleDateTime(const QLocale &locale);

    // The first punctuation of the short date format ("/" when it has none).
    [[nodiscard]] QChar dateSeparator() const { return dateSeparator_; }
    // The first punctuation of the long time format (":" when it has none).
    [[nodiscard]] QChar timeSeparator() const { return timeSeparator_; }

    // The value of the text; a time without a date falls on dayZero().
    // Nothing when the text is neither a date nor a time.
    [[nodiscard]] std::optional<QDateTime> read(const QString &text) const;
    [[nodiscard]] QString dateText(const QDateTime &value) const;
    [[nodiscard]] QString timeText(const QDateTime &value) const;

    // The day a time without a date belongs to.
    [[nodiscard]] static QDate dayZero() { return QDate(1899, 12, 30); }

private:
    enum class Part { Day, Month, Year };
    class Cursor;

    [[nodiscard]] std::optional<QDate> readDate(Cursor &cursor) const;
    [[nodiscard]] std::optional<QTime> readTime(Cursor &cursor) const;
    [[nodiscard]] int readMarker(Cursor &cursor) const;

    QLocale locale_;
    QString shortDateFormat_;
    QString longTimeFormat_;
    QChar dateSeparator_;
    QChar timeSeparator_;
    std::array<Part, 3> order_{};
};
