#include "colour/gimppalette.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QRegularExpression>
#include <QTest>

class GimpPaletteTest : public QObject {
    Q_OBJECT

private slots:
    // What GIMP's loader expects: the header line, "Name:", then lines of
    // whitespace-separated numbers, each followed by the colour's name.
    void writesWhatGimpReads()
    {
        const ColourTable table = tableOf(TempDir::pattern(ColourTable::kByteCount));
        const QList<QByteArray> lines = GimpPalette::write(table, QStringLiteral("sky\nblue")).split('\n');
        QCOMPARE(lines.size(), 4 + ColourTable::kEntryCount + 1);
        QCOMPARE(lines[0], QByteArray("GIMP Palette"));
        QCOMPARE(lines[1], QByteArray("Name: sky blue"));
        QCOMPARE(lines[2], QByteArray("Columns: 16"));
        QCOMPARE(lines[3], QByteArray("#"));
        // Entry 0 of the pattern is 3, 10, 17 and a fourth byte of 24.
        QCOMPARE(lines[4], QByteArray("  3  10  17\tentry 0 a=24"));
        const QRegularExpression colour(
            QStringLiteral("^ *\\d{1,3} +\\d{1,3} +\\d{1,3}\\tentry \\d+ a=\\d+$"));
        for (int n = 4; n < 4 + ColourTable::kEntryCount; ++n)
            QVERIFY2(colour.match(QString::fromLatin1(lines[n])).hasMatch(), lines[n].constData());
        QCOMPARE(lines.last(), QByteArray());

        QCOMPARE(GimpPalette::read(GimpPalette::write(table, QStringLiteral("sky"))).colours(),
                 Palette::fromTable(table).colours());
    }

    void readsSamples_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("colours");
        QTest::newRow("as GIMP writes it")
            << QByteArray("GIMP Palette\nName: Tiny\nColumns: 4\n#\n255   0   0\tRed\n  0 255   0\tGreen\n")
            << "255 0 0 -, 0 255 0 -";
        QTest::newRow("CR LF, tabs, comments, blank lines, no name, no header lines")
            << QByteArray("GIMP Palette\r\n# made by hand\r\n\r\n1\t2\t3\r\n   \r\n4 5 6\r\n")
            << "1 2 3 -, 4 5 6 -";
        QTest::newRow("the fourth byte in the name")
            << QByteArray("GIMP Palette\nName: x\n1 2 3\tentry 7 a=1\n4 5 6 a=255\n7 8 9\tAlpha a=256\n"
                          "10 11 12\tsky a=1x\n13 14 15\tpa=3\n")
            << "1 2 3 1, 4 5 6 255, 7 8 9 -, 10 11 12 -, 13 14 15 -";
        QTest::newRow("no colours") << QByteArray("GIMP Palette\nName: empty\n") << "";
    }
    void readsSamples()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, colours);
        QCOMPARE(describe(GimpPalette::read(text)), colours);
    }

    void keepsTheFirst246Colours()
    {
        const Palette palette = GimpPalette::read("GIMP Palette\n" + colourLines(300, "\n"));
        QCOMPARE(palette.fileCount(), qsizetype(300));
        QCOMPARE(palette.colours().size(), std::size_t(246));
        QCOMPARE(palette.colours().back().red, quint8(245));
    }

    void damagedLinesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        const QString notColour =
            QStringLiteral("Line %1 of the GIMP palette is not three numbers from 0 to 255: %2");
        QTest::newRow("two numbers") << QByteArray("GIMP Palette\nName: x\n1 2\n")
                                     << notColour.arg(3).arg("'1 2'");
        QTest::newRow("above 255") << QByteArray("GIMP Palette\r\n1 2 256\r\n")
                                   << notColour.arg(2).arg("'1 2 256'");
        QTest::newRow("negative") << QByteArray("GIMP Palette\n-1 2 3\n") << notColour.arg(2).arg("'-1 2 3'");
        QTest::newRow("letters after a number")
            << QByteArray("GIMP Palette\n1 2 3x name\n") << notColour.arg(2).arg("'1 2 3x name'");
        QTest::newRow("header line among the colours")
            << QByteArray("GIMP Palette\n1 2 3\nName: late\n") << notColour.arg(3).arg("'Name: late'");
        QTest::newRow("long line cut") << QByteArray("GIMP Palette\n" + QByteArray(60, 'z') + "\n")
                                       << notColour.arg(2).arg("'" + QString(40, 'z') + "...'");
        QTest::newRow("header") << QByteArray("GIMP Pal\n1 2 3\n")
                                << "Line 1 of the GIMP palette is not \"GIMP Palette\": 'GIMP Pal'";
    }
    void damagedLinesAreNamed()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        QCOMPARE(paletteErrorOf([&] { (void)GimpPalette::read(text); }), error);
    }
};

DAVOVO_TEST(GimpPaletteTest);
#include "gimppalettetest.moc"
