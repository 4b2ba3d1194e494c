#include "grid/fill/smartfill.h"
#include "grid/fill/decimaltext.h"
#include "grid/fill/fillseries.h"
#include "grid/fill/localedatetime.h"
#include "grid/model/cellstore.h"
#include "platform/core/exceptions.h"
#include "support/testregistry.h"

#include <QTest>

namespace {

// "us" or "de": the fixed locales of these tests.
QLocale localeNamed(const QString &name)
{
    return name == u"de" ? QLocale(QLocale::German, QLocale::Germany)
                         : QLocale(QLocale::English, QLocale::UnitedStates);
}

// The texts of the cells in `block`, column by column, each from the top.
QStringList textsOf(const CellStore &cells, const QRect &block)
{
    QStringList texts;
    for (int col = block.left(); col <= block.right(); ++col)
        for (int row = block.top(); row <= block.bottom(); ++row)
            texts << cells.text(col, row);
    return texts;
}

} // namespace

// Smart filling after a paste, its series, and the locale texts they use.
class SmartFillTest : public QObject {
    Q_OBJECT

private slots:
    // The pasted "10" and "20" in (1,1) and (2,1), "3" below the first,
    // "old" in the rest of the 3 x 3 block from (1,1).
    void rules_data()
    {
        QTest::addColumn<QRect>("selection");
        QTest::addColumn<qsizetype>("pasted");
        QTest::addColumn<QStringList>("texts"); // of the block, column by column
        auto row = [](const char *name, QRect selection, qsizetype pasted, QStringList texts) {
            QTest::newRow(name) << selection << pasted << texts;
        };
        const QStringList old{"old", "old", "old"};
        const QStringList before = QStringList{"10", "3", "old", "20", "old", "old"} + old;
        row("one into three copies it", {1, 1, 3, 1}, 1,
            QStringList{"10", "3", "old", "10", "old", "old", "10"} + old.mid(1));
        row("one into a block", {1, 1, 2, 2}, 1, QStringList{"10", "10", "old", "10", "10", "old"} + old);
        row("two into a row: series to the right", {1, 1, 3, 1}, 2,
            QStringList{"10", "3", "old", "20", "old", "old", "30"} + old.mid(1));
        row("two into a column: series from below", {1, 1, 1, 3}, 2,
            QStringList{"10", "3", "-4", "20", "old", "old"} + old);
        row("two into a block", {1, 1, 2, 2}, 2, before);
    }
    void rules()
    {
        QFETCH(QRect, selection);
        QFETCH(qsizetype, pasted);
        QFETCH(QStringList, texts);
        CellStore cells(247, 6);
        const QStringList start{"10", "3", "old", "20", "old", "old", "old", "old", "old"};
        for (int i = 0; i < start.size(); ++i)
            cells.setText(1 + i / 3, 1 + i % 3, start[i]);
        const QRect changed = smartFill(cells, selection, pasted, localeNamed("us"));
        QCOMPARE(textsOf(cells, QRect(1, 1, 3, 3)), texts);
        QCOMPARE(changed, texts == start ? QRect() : selection);
    }

    void series_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("texts"); // none: no series
        auto row = [](const char *name, const char *locale, const char *first, const char *second,
                      const QStringList &texts) {
            QTest::newRow(name) << locale << first << second << texts;
        };
        row("integers", "us", "10", "20", {"10", "20", "30", "40", "50"});
        row("integers past 32 bits", "us", "2000000000", "2100000000",
            {"2000000000", "2100000000", "2200000000"});
        row("not integers", "us", "10", "x", {});
        row("group separator is no decimal", "us", "1,5", "2", {});
        row("decimals", "us", "0.1", "0.2", {"0.1", "0.2", "0.3", "0.4", "0.5"});
        row("decimals with exponents", "us", "1.5E20", "3e20", {"1.5E+20", "3E+20", "4.5E+20"});
        row("days", "us", "1/30/2024", "1/31/2024", {"1/30/24", "1/31/24", "2/1/24"});
        row("months over the year end", "us", "11/15/24", "12/15/24", {"11/15/24", "12/15/24", "1/15/25"});
        row("months to missing days", "us", "8/31/24", "10/31/24",
            {"8/31/24", "10/31/24", "12/31/24", "2/28/25", "4/30/25", "6/30/25", "8/31/25"});
        row("years", "us", "2/29/24", "2/29/28", {"2/29/24", "2/29/28", "2/29/32"});
        row("three parts differ: plain difference", "us", "12/31/23", "2/29/24",
            {"12/31/23", "2/29/24", "4/29/24"});
        row("date and time, written as dates", "us", "1/1/24 10:00 AM", "1/1/24 4:00 PM",
            {"1/1/24", "1/1/24", "1/1/24", "1/2/24"});
        row("times past midnight", "us", "11:30:00 PM", "11:45 pm",
            {"11:30:00 PM", "11:45:00 PM", "12:00:00 AM"});
        row("German dates typed short", "de", "5.1.24", "5.2.24", {"05.01.24", "05.02.24", "05.03.24"});
        row("German times", "de", "10:00", "10:15", {"10:00:00", "10:15:00", "10:30:00"});
    }
    void series()
    {
        QFETCH(QString, locale);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, texts);
        const std::optional<QStringList> series =
            fillSeries(first, second, texts.isEmpty() ? 3 : texts.size(), localeNamed(locale));
        QCOMPARE(series.has_value(), !texts.isEmpty());
        QCOMPARE(series.value_or(QStringList()), texts);
    }

    // Pasted into the first two cells of a row of four: the error comes
    // before any cell changes.
    void conversionErrors_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("error");
        auto row = [](const char *name, const char *locale, const char *first, const char *second,
                      const char *text) {
            QTest::newRow(name) << locale << first << second << QString::fromUtf8(text);
        };
        row("a date without its year", "us", "1/2", "1/3/24", "'1/2' is not a valid date and time");
        row("a point in German is a date", "de", "1.5", "2.5", "'1.5' is not a valid date and time");
        row("a decimal and a word", "us", "1.5", "abc", "'abc' is not a valid floating point value");
        row("infinite", "us", "inf", "1.5", "'inf' is not a valid floating point value");
    }
    void conversionErrors()
    {
        QFETCH(QString, locale);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, error);
        CellStore cells(247, 6);
        const QStringList before{first, second, "old", "old"};
        for (int col = 1; col <= 4; ++col)
            cells.setText(col, 1, before[col - 1]);
        try {
            smartFill(cells, QRect(1, 1, 4, 1), 2, localeNamed(locale));
            QFAIL("no conversion error");
        } catch (const EConvertError &e) {
            QCOMPARE(e.message(), error);
        }
        QCOMPARE(textsOf(cells, QRect(1, 1, 4, 1)), before);
    }

    void readDateTime_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("value"); // invalid: not readable
        auto row = [](const char *name, const char *locale, const char *text, QDate date,
                      QTime time = QTime(0, 0)) {
            QTest::newRow(name) << locale << text
                                << (date.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime());
        };
        const QDate zero = LocaleDateTime::dayZero();
        row("blanks around, leading zeros", "us", " 01/05/2024 ", QDate(2024, 1, 5));
        row("69 is 1969", "us", "1/15/69", QDate(1969, 1, 15));
        row("leap day of 2000", "us", "2/29/00", QDate(2000, 2, 29));
        row("date glued to time", "us", "1/15/243:04", QDate());
        row("marker first", "us", "pm 3:04", zero, QTime(15, 4));
        row("German order and time", "de", "31.12.1999 23:59:59", QDate(1999, 12, 31), QTime(23, 59, 59));
        row("German with blanks", "de", "5. 1. 2024", QDate(2024, 1, 5));
    }
    void readDateTime()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDateTime, value);
        QCOMPARE(LocaleDateTime(localeNamed(locale)).read(text).value_or(QDateTime()), value);
    }

    void decimalText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("places");
        QTest::newRow("exact sum kept exact") << "us" << 0.1 + 0.2 << "0.30000000000000004" << 17;
        QTest::newRow("exponent from 1e15") << "us" << 1e15 << "1E+15" << 0;
        QTest::newRow("plain down to 1e-5") << "us" << -1.5e-5 << "-0.000015" << 6;
        QTest::newRow("exponent below") << "us" << 1e-6 << "1E-6" << 6;
        QTest::newRow("no negative zero") << "us" << -0.0 << "0" << 0;
        QTest::newRow("German") << "de" << 1234.25 << "1234,25" << 2;
    }
    void decimalText()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(int, places);
        const QString written = ::decimalText(value, localeNamed(locale));
        QCOMPARE(written, text);
        QCOMPARE(readDecimal(written, localeNamed(locale)), std::optional<double>(value));
        QCOMPARE(decimalPlaces(value), places);
    }
};

DAVOVO_TEST(SmartFillTest);
#include "smartfilltest.moc"
