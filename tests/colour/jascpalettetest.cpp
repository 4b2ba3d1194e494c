#include "colour/jascpalette.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QTest>

class JascPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void writesHeaderCountAndCrLfLines()
    {
        const ColourTable table = tableOf(TempDir::pattern(ColourTable::kByteCount));
        const QByteArray bytes = JascPalette::write(table);
        // Entry 0 of the pattern is 3, 10, 17 (fourth byte 24, not kept).
        QVERIFY(bytes.startsWith("JASC-PAL\r\n0100\r\n246\r\n3 10 17\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), qsizetype(3 + ColourTable::kEntryCount));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

        const Palette read = JascPalette::read(bytes);
        QCOMPARE(read.colours().size(), std::size_t(ColourTable::kEntryCount));
        for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
            for (int k = 0; k < 3; ++k)
                QCOMPARE(read.byte(entry, k), std::optional<quint8>(table.byte(entry, k)));
            QCOMPARE(read.byte(entry, 3), std::nullopt);
        }
    }

    void readsSamples_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("colours");
        QTest::newRow("CR LF") << QByteArray("JASC-PAL\r\n0100\r\n2\r\n255 0 0\r\n0 0 255\r\n")
                               << "255 0 0 -, 0 0 255 -";
        QTest::newRow("LF, blanks around, blank lines after")
            << QByteArray("JASC-PAL\n0100\n1\n  7\t8  9 \n\n\n") << "7 8 9 -";
        QTest::newRow("no line break at the end")
            << QByteArray("JASC-PAL\r\n0100\r\n1\r\n1 2 3") << "1 2 3 -";
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBFJASC-PAL\r\n0100\r\n1\r\n1 2 3\r\n") << "1 2 3 -";
    }
    void readsSamples()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, colours);
        QCOMPARE(describe(JascPalette::read(text)), colours);
    }

    void keepsTheFirst246Colours()
    {
        const Palette palette = JascPalette::read("JASC-PAL\r\n0100\r\n256\r\n" + colourLines(256, "\r\n"));
        QCOMPARE(palette.fileCount(), qsizetype(256));
        QCOMPARE(palette.colours().size(), std::size_t(246));
    }

    void damagedLinesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("header") << QByteArray("JASC-PALX\r\n0100\r\n1\r\n1 2 3\r\n")
                                << "Line 1 of the JASC palette is not \"JASC-PAL\": 'JASC-PALX'";
        QTest::newRow("version") << QByteArray("JASC-PAL\r\n0200\r\n1\r\n1 2 3\r\n")
                                 << "Line 2 of the JASC palette is not the version \"0100\": '0200'";
        QTest::newRow("count") << QByteArray("JASC-PAL\r\n0100\r\nmany\r\n")
                               << "Line 3 of the JASC palette is not a color count: 'many'";
        QTest::newRow("no count") << QByteArray("JASC-PAL\r\n0100\r\n")
                                  << "Line 3 of the JASC palette is not a color count: ''";
        QTest::newRow("four numbers")
            << QByteArray("JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n1 2 3 4\r\n")
            << "Line 5 of the JASC palette is not three numbers from 0 to 255: '1 2 3 4'";
        QTest::newRow("above 255")
            << QByteArray("JASC-PAL\n0100\n1\n1 2 300\n")
            << "Line 4 of the JASC palette is not three numbers from 0 to 255: '1 2 300'";
        QTest::newRow("fewer colours than counted")
            << QByteArray("JASC-PAL\r\n0100\r\n3\r\n1 2 3\r\n")
            << "The JASC palette ends after line 4, with fewer colors than line 3 counts (3)";
        QTest::newRow("more colours than counted")
            << QByteArray("JASC-PAL\r\n0100\r\n1\r\n1 2 3\r\n\r\n4 5 6\r\n")
            << "Line 6 of the JASC palette is one more color than line 3 counts (1): '4 5 6'";
    }
    void damagedLinesAreNamed()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        QCOMPARE(paletteErrorOf([&] { (void)JascPalette::read(text); }), error);
    }
};

DAVOVO_TEST(JascPaletteTest);
#include "jascpalettetest.moc"
