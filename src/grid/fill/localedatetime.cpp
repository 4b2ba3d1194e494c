#include "grid/fill/localedatetime.h"

#include <QStringView>

#include <algorithm>

namespace {

// The first character of a format that separates its fields: outside
// quotes, neither a letter nor a digit nor a blank.
QChar firstPunctuation(const QString &format, QChar fallback)
{
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && !c.isLetterOrNumber() && !c.isSpace())
            return c;
    }
    return fallback;
}

// The format without its time-zone fields ("t" to "tttt" outside quotes) and
// the blanks they leave behind.
QString withoutZone(const QString &format)
{
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            result += c;
    }
    return result.simplified();
}

// Two-digit years as POSIX reads them: 69 to 99 in the 1900s, 00 to 68 in
// the 2000s.
int fullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    return year < 69 ? 2000 + year : 1900 + year;
}

} // namespace

class LocaleDateTime::Cursor {
public:
    explicit Cursor(QStringView text) : text_(text) {}

    [[nodiscard]] bool atEnd() const { return pos_ >= text_.size(); }
    [[nodiscard]] qsizetype pos() const { return pos_; }

    bool take(QChar c)
    {
        if (atEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }
    bool takeWord(const QString &word)
    {
        if (word.isEmpty() || !text_.sliced(pos_).startsWith(word, Qt::CaseInsensitive))
            return false;
        pos_ += word.size();
        return true;
    }
    void skipBlanks()
    {
        while (!atEnd() && text_[pos_].isSpace())
            ++pos_;
    }
    // A number of 1 to `maxDigits` decimal digits (of any script), or -1.
    int number(int maxDigits, int *digits = nullptr)
    {
        int value = 0;
        int count = 0;
        for (; !atEnd() && text_[pos_].category() == QChar::Number_DecimalDigit; ++pos_, ++count)
            value = count < maxDigits ? value * 10 + text_[pos_].digitValue() : value;
        if (digits != nullptr)
            *digits = count;
        return count >= 1 && count <= maxDigits ? value : -1;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

LocaleDateTime::LocaleDateTime(const QLocale &locale)
    : locale_(locale), shortDateFormat_(locale.dateFormat(QLocale::ShortFormat)),
      longTimeFormat_(withoutZone(locale.timeFormat(QLocale::LongFormat))),
      dateSeparator_(firstPunctuation(shortDateFormat_, u'/')),
      timeSeparator_(firstPunctuation(longTimeFormat_, u':'))
{
    int found = 0;
    auto note = [&](Part part) {
        if (std::find(order_.begin(), order_.begin() + found, part) == order_.begin() + found)
            order_[std::size_t(found++)] = part;
    };
    bool quoted = false;
    for (QChar c : shortDateFormat_) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'd' || c == u'M' || c == u'y'))
            note(c == u'd' ? Part::Day : c == u'M' ? Part::Month : Part::Year);
    }
    for (Part part : {Part::Month, Part::Day, Part::Year})
        note(part);
}

std::optional<QDateTime> LocaleDateTime::read(const QString &text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.contains(dateSeparator_)) {
        Cursor cursor(trimmed);
        if (const std::optional<QDate> date = readDate(cursor)) {
            const qsizetype dateEnd = cursor.pos();
            cursor.skipBlanks();
            if (cursor.atEnd())
                return QDateTime(*date, QTime(0, 0), Qt::UTC);
            const std::optional<QTime> time = cursor.pos() > dateEnd ? readTime(cursor) : std::nullopt;
            if (time && cursor.atEnd())
                return QDateTime(*date, *time, Qt::UTC);
        }
    }
    // Also where the date separator is the time separator too ("10.30").
    Cursor cursor(trimmed);
    const std::optional<QTime> time = readTime(cursor);
    if (time && cursor.atEnd())
        return QDateTime(dayZero(), *time, Qt::UTC);
    return std::nullopt;
}

std::optional<QDate> LocaleDateTime::readDate(Cursor &cursor) const
{
    std::array<int, 3> values{};
    int yearDigits = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            if (!cursor.take(dateSeparator_))
                return std::nullopt;
            cursor.skipBlanks();
        }
        int digits = 0;
        values[i] = cursor.number(4, &digits);
        if (values[i] < 0)
            return std::nullopt;
        if (order_[i] == Part::Year)
            yearDigits = digits;
    }
    cursor.take(dateSeparator_); // some formats close the date with it ("2024. 01. 05.")
    int day = 0;
    int month = 0;
    int year = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        (order_[i] == Part::Day ? day : order_[i] == Part::Month ? month : year) = values[i];
    const QDate date(fullYear(year, yearDigits), month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QTime> LocaleDateTime::readTime(Cursor &cursor) const
{
    int marker = readMarker(cursor);
    cursor.skipBlanks();
    int hour = cursor.number(2);
    int minute = 0;
    int second = 0;
    if (hour >= 0 && cursor.take(timeSeparator_)) {
        minute = cursor.number(2);
        if (minute >= 0 && cursor.take(timeSeparator_))
            second = cursor.number(2);
    }
    if (hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    cursor.skipBlanks();
    if (marker == 0)
        marker = readMarker(cursor);
    if (marker != 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (marker == 2 ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

// 1 for the locale's AM text, 2 for its PM text, 0 for neither.
int LocaleDateTime::readMarker(Cursor &cursor) const
{
    if (cursor.takeWord(locale_.amText()))
        return 1;
    if (cursor.takeWord(locale_.pmText()))
        return 2;
    return 0;
}

QString LocaleDateTime::dateText(const QDateTime &value) const
{
    return locale_.toString(value.date(), shortDateFormat_);
}

QString LocaleDateTime::timeText(const QDateTime &value) const
{
    return locale_.toString(value.time(), longTimeFormat_);
}
