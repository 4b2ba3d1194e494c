#include "cli/tabletext.h"
#include "support/testregistry.h"

#include <QTest>

namespace {

ColourTable tableWith(int entry, quint8 red, quint8 green, quint8 blue, quint8 fourth)
{
    ColourTable table;
    table.setByte(entry, 0, red);
    table.setByte(entry, 1, green);
    table.setByte(entry, 2, blue);
    table.setByte(entry, 3, fourth);
    return table;
}

} // namespace

class TableTextTest : public QObject {
    Q_OBJECT

private slots:
    void entryLines_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<ColourTable>("table");
        QTest::addColumn<QString>("show");
        QTest::addColumn<QString>("csv");

        QTest::newRow("first, all zero") << 0 << ColourTable() << "0 0 0 0 0 #000000"
                                         << "0,0,0,0,0,#000000";
        QTest::newRow("last, lower-case hex, each byte in its place")
            << 245 << tableWith(245, 255, 10, 171, 7) << "245 255 10 171 7 #ff0aab"
            << "245,255,10,171,7,#ff0aab";
        QTest::newRow("fourth byte not in the hex")
            << 9 << tableWith(9, 1, 2, 3, 200) << "9 1 2 3 200 #010203"
            << "9,1,2,3,200,#010203";
    }
    void entryLines()
    {
        QFETCH(int, entry);
        QFETCH(ColourTable, table);
        QFETCH(QString, show);
        QFETCH(QString, csv);
        QCOMPARE(TableText::showLine(table, entry), show);
        QCOMPARE(TableText::csvLine(table, entry), csv);
    }

    void diffCountsEntriesNotBytes()
    {
        ColourTable a = tableWith(3, 1, 2, 3, 4);
        ColourTable b = tableWith(3, 9, 9, 3, 4);
        b.setByte(200, 3, 5); // only the fourth byte
        QCOMPARE(TableText::differingEntries(a, b), 2);
        QVERIFY(TableText::sameEntry(a, b, 4));
        QVERIFY(!TableText::sameEntry(a, b, 200));
        QCOMPARE(TableText::diffLine(a, b, 3), QStringLiteral("3: 1 2 3 4 -> 9 9 3 4"));
        QCOMPARE(TableText::differingEntries(a, a), 0);
    }

    void counts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no entry differs") << TableText::diffSummary(0) << "0 of 246 entries differ";
        QTest::newRow("one entry differs") << TableText::diffSummary(1) << "1 of 246 entries differs";
        QTest::newRow("changed") << TableText::changedEntries(246, false) << "246 entries changed";
        QTest::newRow("one changed") << TableText::changedEntries(1, false) << "1 entry changed";
        QTest::newRow("would change") << TableText::changedEntries(2, true) << "2 entries would change";
        QTest::newRow("summary") << TableText::applySummary(3, 1, 2, false)
                                 << "3 files changed, 1 unchanged, 2 failed";
        QTest::newRow("summary, one file")
            << TableText::applySummary(1, 0, 0, false) << "1 file changed, 0 unchanged, 0 failed";
        QTest::newRow("dry-run summary")
            << TableText::applySummary(0, 2, 1, true) << "0 files would change, 2 unchanged, 1 failed";
    }
    void counts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

DAVOVO_TEST(TableTextTest);
#include "tabletexttest.moc"
