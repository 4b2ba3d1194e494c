#include "colour/tablecomparison.h"
#include "support/tables.h"
#include "support/testregistry.h"

#include <QTest>

namespace {

// A change to one byte: entry, byte (0 red to 3 fourth) and the new value.
struct Change {
    int entry;
    int k;
    quint8 value;
};

// The differences as "entry:flags", a letter per differing byte, "." per equal one.
QString describe(const std::vector<EntryDifference> &differences)
{
    QStringList items;
    for (const EntryDifference &d : differences) {
        QString flags;
        for (int k = 0; k < ColourTable::kEntrySize; ++k)
            flags += d.byteDiffers[std::size_t(k)] ? QLatin1Char("rgbf"[k]) : QLatin1Char('.');
        items << QStringLiteral("%1:%2").arg(d.entry).arg(flags);
    }
    return items.join(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(QList<Change>)

class TableComparisonTest : public QObject {
    Q_OBJECT

private slots:
    void differences_data()
    {
        QTest::addColumn<QList<Change>>("changes");
        QTest::addColumn<QString>("expected");

        QTest::newRow("identical") << QList<Change>{} << "";
        QTest::newRow("a byte set to what it was") << QList<Change>{{7, 1, 39}} << "";
        // The first and last entries, and each byte on its own.
        QTest::newRow("red of the first entry") << QList<Change>{{0, 0, 0}} << "0:r...";
        QTest::newRow("fourth of the last entry") << QList<Change>{{245, 3, 1}} << "245:...f";
        QTest::newRow("green and blue of one entry")
            << QList<Change>{{100, 1, 1}, {100, 2, 2}} << "100:.gb.";
        // Entries in order however the changes came.
        QTest::newRow("several entries")
            << QList<Change>{{200, 3, 9}, {3, 0, 9}, {200, 0, 9}} << "3:r... 200:r..f";
    }
    void differences()
    {
        QFETCH(QList<Change>, changes);
        QFETCH(QString, expected);
        const ColourTable ours = tableOf(pattern());
        ColourTable theirs = ours;
        for (const Change &c : changes)
            theirs.setByte(c.entry, c.k, c.value);
        QCOMPARE(describe(compareTables(ours, theirs)), expected);
        // The comparison is the same either way round.
        QCOMPARE(describe(compareTables(theirs, ours)), expected);
    }

private:
    // Byte n is 10 + n % 200: never 0, 1, 2 or 9, the values the rows set.
    static QByteArray pattern()
    {
        QByteArray bytes(ColourTable::kByteCount, 0);
        for (int n = 0; n < bytes.size(); ++n)
            bytes[n] = char(10 + n % 200);
        return bytes;
    }
};

DAVOVO_TEST(TableComparisonTest);
#include "tablecomparisontest.moc"
