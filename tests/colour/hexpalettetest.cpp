#include "colour/hexpalette.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QTest>

class HexPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void writesLowerCaseLines()
    {
        const ColourTable table = tableOf(TempDir::pattern(ColourTable::kByteCount));
        const QByteArray bytes = HexPalette::write(table);
        // Entries 0 and 245 of the pattern: 3, 10, 17 and 207, 214, 221.
        QVERIFY(bytes.startsWith("030a11\n"));
        QVERIFY(bytes.endsWith("\ncfd6dd\n"));
        QCOMPARE(bytes.size(), 7 * ColourTable::kEntryCount);
        QCOMPARE(describe(HexPalette::read(bytes)), describe(coloursOf(table)));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("#, upper case, CR LF")
            << QByteArray("#FF8000\r\nAbCdEf\r\n") << "255 128 0 -, 171 205 239 -";
        QTest::newRow("blank lines, blanks around, no final break")
            << QByteArray("\n  123456 \r\n\t\n#010203") << "18 52 86 -, 1 2 3 -";
        QTest::newRow("seven digits") << QByteArray("112233\n1122334\n")
                                      << "Line 2 of the hex palette is not six hex digits: '1122334'";
        QTest::newRow("not a hex digit") << QByteArray("\r\n\r\n11223g\r\n")
                                         << "Line 3 of the hex palette is not six hex digits: '11223g'";
        QTest::newRow("two colours on a line")
            << QByteArray("112233 445566")
            << "Line 1 of the hex palette is not six hex digits: '112233 445566'";
    }
    void reads()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, result);
        QCOMPARE(readingOf(HexPalette::read, text), result);
    }
};

DAVOVO_TEST(HexPaletteTest);
#include "hexpalettetest.moc"
