#include "cli/tabletext.h"
#include "support/testregistry.h"

#include <QTest>

class TableTextTest : public QObject {
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        ColourTable a;
        const quint8 last[] = {255, 10, 171, 7};
        for (int k = 0; k < 4; ++k)
            a.setByte(245, k, last[k]);
        ColourTable b = a;
        b.setByte(245, 0, 1);
        b.setByte(245, 1, 2);

        QTest::newRow("show: padded lower-case hex without the fourth byte")
            << TableText::showLine(a, 245) << "245 255 10 171 7 #ff0aab";
        QTest::newRow("show: zeros") << TableText::showLine(a, 0) << "0 0 0 0 0 #000000";
        QTest::newRow("csv") << TableText::csvLine(a, 245) << "245,255,10,171,7,#ff0aab";
        QTest::newRow("diff line") << TableText::diffLine(a, b, 245) << "245: 255 10 171 7 -> 1 2 171 7";
        QTest::newRow("entries, not bytes, are counted")
            << TableText::diffSummary(TableText::differingEntries(a, b)) << "1 of 246 entries differs";
        QTest::newRow("one entry changed") << TableText::changedEntries(1, false) << "1 entry changed";
        QTest::newRow("entries would change")
            << TableText::changedEntries(2, true) << "2 entries would change";
        QTest::newRow("summary") << TableText::applySummary(3, 1, 2, false)
                                 << "3 files changed, 1 unchanged, 2 failed";
        QTest::newRow("dry-run summary, one file")
            << TableText::applySummary(1, 0, 0, true) << "1 file would change, 0 unchanged, 0 failed";
    }
    void lines()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

DAVOVO_TEST(TableTextTest);
#include "tabletexttest.moc"
