#include "colour/palettefile.h"
#include "palettesupport.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(PaletteKind)

class PaletteFormatTest : public QObject {
    Q_OBJECT

private slots:
    void dialogTypes()
    {
        QStringList types;
        for (const FileFilter &filter : PaletteFormat::dialogFilters())
            types << filter.name + QLatin1Char(' ') + filter.patterns.join(QLatin1Char(' '));
        QCOMPARE(types, (QStringList{"Color Set Files *.clr", "All Files *", "GIMP Palette *.gpl",
                                     "JASC Palette *.pal", "RIFF Palette *.pal", "Adobe Color Table *.act",
                                     "Hex Palette *.hex", "PNG Swatch Image *.png",
                                     "Adobe Swatch Exchange *.ase", "Paint.NET Palette *.txt"}));
    }

    void exportFormat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("filter");
        QTest::addColumn<PaletteKind>("kind");
        QTest::newRow("colour set") << "/p/sky.clr" << 0 << PaletteKind::ColourSet;
        QTest::newRow("typed .gpl, first type") << "/p/sky.gpl" << 0 << PaletteKind::Gimp;
        QTest::newRow("typed .GPL, all files") << "/p/sky.GPL" << 1 << PaletteKind::Gimp;
        QTest::newRow("typed .act, GIMP type") << "/p/sky.act" << 2 << PaletteKind::Act;
        QTest::newRow(".pal, first type") << "/p/sky.pal" << 0 << PaletteKind::Jasc;
        QTest::newRow(".pal, JASC type") << "/p/sky.pal" << 3 << PaletteKind::Jasc;
        QTest::newRow(".pal, RIFF type") << "/p/sky.pal" << 4 << PaletteKind::Riff;
        QTest::newRow("other extension, Adobe type") << "/p/sky.dat" << 5 << PaletteKind::Act;
        QTest::newRow("other extension, first type") << "/p/sky.dat" << 0 << PaletteKind::ColourSet;
        QTest::newRow("typed .txt, hex type") << "/p/sky.txt" << 6 << PaletteKind::PaintNet;
        QTest::newRow("typed .hex, PNG type") << "/p/sky.hex" << 7 << PaletteKind::Hex;
        QTest::newRow("typed .png, ASE type") << "/p/sky.png" << 8 << PaletteKind::Png;
        QTest::newRow("other extension, ASE type") << "/p/sky.dat" << 8 << PaletteKind::Ase;
        QTest::newRow("no extension, GIMP type") << "/p.gpl/sky" << 2 << PaletteKind::Gimp;
        QTest::newRow("no extension, all files") << "/p.gpl/sky" << 1 << PaletteKind::ColourSet;
    }
    void exportFormat()
    {
        QFETCH(QString, path);
        QFETCH(int, filter);
        QFETCH(PaletteKind, kind);
        QCOMPARE(PaletteFormat::forExport(path, filter), kind);
    }

    void importFormat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<PaletteKind>("kind");
        QTest::newRow("GIMP") << "a.txt" << QByteArray("GIMP Palette") << qint64(3000) << PaletteKind::Gimp;
        QTest::newRow("GIMP after a BOM")
            << "a.gpl" << QByteArray("\xEF\xBB\xBFGIMP Palette\n") << qint64(768) << PaletteKind::Gimp;
        QTest::newRow("JASC") << "a.pal" << QByteArray("JASC-PAL\r\n01") << qint64(772) << PaletteKind::Jasc;
        QTest::newRow("RIFF") << "a.pal" << QByteArray("RIFF\xF0\x03\0\0PAL ", 12) << qint64(1008)
                              << PaletteKind::Riff;
        QTest::newRow("RIFF of another form")
            << "a.pal" << QByteArray("RIFF\xF0\x03\0\0WAVE", 12) << qint64(1008) << PaletteKind::ColourSet;
        QTest::newRow("PNG signature, any name")
            << "a.pal" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) << qint64(768)
            << PaletteKind::Png;
        QTest::newRow("ASE signature before the name")
            << "a.txt" << QByteArray("ASEF\0\1\0\0", 8) << qint64(984) << PaletteKind::Ase;
        QTest::newRow("GIMP header before the name")
            << "a.hex" << QByteArray("GIMP Palette\n") << qint64(500) << PaletteKind::Gimp;
        QTest::newRow(".hex before the size")
            << "a.HEX" << QByteArray("#102030\n#405060\n") << qint64(768) << PaletteKind::Hex;
        QTest::newRow(".txt") << "a.txt" << QByteArray("; palette\r\nFF10") << qint64(984)
                              << PaletteKind::PaintNet;
        QTest::newRow(".png without the signature")
            << "a.png" << QByteArray(12, '\x01') << qint64(984) << PaletteKind::Png;
        QTest::newRow(".ase without the signature")
            << "a.ase" << QByteArray(12, '\x01') << qint64(772) << PaletteKind::Ase;
        QTest::newRow("768 bytes") << "a.bin" << QByteArray(12, '\x01') << qint64(768) << PaletteKind::Act;
        QTest::newRow("772 bytes") << "a.act" << QByteArray(12, '\x01') << qint64(772) << PaletteKind::Act;
        QTest::newRow("984 bytes") << "a.act" << QByteArray(12, '\x01') << qint64(984)
                                   << PaletteKind::ColourSet;
        QTest::newRow("short") << "a.gpl" << QByteArray(12, '\x01') << qint64(500) << PaletteKind::ColourSet;
        QTest::newRow(".clr beginning like GIMP")
            << "a.clr" << QByteArray("GIMP Palette") << qint64(984) << PaletteKind::ColourSet;
        QTest::newRow(".CLR of 768 bytes")
            << "a.CLR" << QByteArray(12, '\x01') << qint64(768) << PaletteKind::ColourSet;
    }
    void importFormat()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, start);
        QFETCH(qint64, size);
        QFETCH(PaletteKind, kind);
        QCOMPARE(PaletteFormat::forImport(path, start, size), kind);
    }

    void readFailures()
    {
        TempDir dir;
        QCOMPARE(ioFailureOf([&] { (void)readPalette(dir.write(QStringLiteral("a.gpl"), "GIMP")); }),
                 QStringLiteral("100 Read beyond end of file"));
        QCOMPARE(ioFailureOf([&] { (void)readPalette(dir.path(QStringLiteral("none.gpl"))); }),
                 QStringLiteral("2 File not found"));
        QCOMPARE(paletteErrorOf(
                     [&] { (void)readPalette(dir.write(QStringLiteral("b.gpl"), "GIMP Palette\n1 2\n")); }),
                 QStringLiteral("Line 2 of the GIMP palette is not three numbers from 0 to 255: '1 2'"));
        const QString huge = dir.write(QStringLiteral("huge.gpl"), "GIMP Palette\n");
        QVERIFY(QFile::resize(huge, 16 * 1024 * 1024 + 1));
        QCOMPARE(paletteErrorOf([&] { (void)readPalette(huge); }),
                 QStringLiteral("The palette file has 16777217 bytes, more than a palette holds"));
    }
};

DAVOVO_TEST(PaletteFormatTest);
#include "paletteformattest.moc"
