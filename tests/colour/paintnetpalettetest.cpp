#include "colour/paintnetpalette.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QTest>

class PaintNetPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void writesCommentAndOpaqueColours()
    {
        const ColourTable table = tableOf(TempDir::pattern(ColourTable::kByteCount));
        const QByteArray bytes = PaintNetPalette::write(table);
        // Entries 0 and 245 of the pattern: 3, 10, 17 and 207, 214, 221.
        QVERIFY(
            bytes.startsWith("; Written by Dere Davovo: the 246 entries of a color table\r\nFF030A11\r\n"));
        QVERIFY(bytes.endsWith("\r\nFFCFD6DD\r\n"));
        QCOMPARE(bytes.count("\r\n"), qsizetype(1 + ColourTable::kEntryCount));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(describe(PaintNetPalette::read(bytes)), describe(coloursOf(table)));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("as Paint.NET writes it, alpha ignored")
            << QByteArray("; paint.net Palette File\r\n; Colors are aarrggbb\r\nFF000000\r\n80FF8000\r\n")
            << "0 0 0 -, 255 128 0 -";
        QTest::newRow("lower case, blank lines, indented comment")
            << QByteArray("\n  ; mine\n\n ff0a0b0c \n") << "10 11 12 -";
        QTest::newRow("six digits")
            << QByteArray("; c\r\nFF000000\r\nFF0000\r\n")
            << "Line 3 of the Paint.NET palette is not eight hex digits AARRGGBB: 'FF0000'";
        QTest::newRow("comment after the colour")
            << QByteArray("FF000000 ; black\n")
            << "Line 1 of the Paint.NET palette is not eight hex digits AARRGGBB: 'FF000000 ; black'";
    }
    void reads()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, result);
        QCOMPARE(readingOf(PaintNetPalette::read, text), result);
    }
};

DAVOVO_TEST(PaintNetPaletteTest);
#include "paintnetpalettetest.moc"
