#include "colour/pngpalette.h"
#include "colour/pngchunks.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QImage>
#include <QTest>

namespace {

QByteArray be32(quint32 value)
{
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, 4);
}

QByteArray header(quint32 width, quint32 height, char colourType)
{
    return PngChunks::chunk("IHDR", be32(width) + be32(height) + char(8) + colourType + QByteArray(3, '\0'));
}

QByteArray png(const QByteArray &chunks)
{
    return QByteArray(PngChunks::kSignature, PngChunks::kSignatureSize) + chunks +
           PngChunks::chunk("IEND", {});
}

QByteArray fixture(const char *name)
{
    QFile file(QFINDTESTDATA(QStringLiteral("fixtures/") + QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PngPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void writesIndexedSwatches()
    {
        const ColourTable table = tableOf(TempDir::pattern(ColourTable::kByteCount));
        const QByteArray bytes = PngPalette::write(table);
        const QImage image = QImage::fromData(bytes, "PNG");
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.size(), QSize(256, 256));
        QCOMPARE(image.colorCount(), 247);
        for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
            const QRgb expected = qRgb(table.byte(entry, 0), table.byte(entry, 1), table.byte(entry, 2));
            QCOMPARE(image.color(entry), expected);
            // The square's corners, 16 squares per row.
            const int x = 16 * (entry % 16);
            const int y = 16 * (entry / 16);
            for (const QPoint corner : {QPoint(x, y), QPoint(x + 15, y + 15)})
                QCOMPARE(image.pixelIndex(corner), entry);
        }
        QCOMPARE(qAlpha(image.color(246)), 0);
        for (const QPoint afterLast : {QPoint(96, 240), QPoint(255, 255)})
            QCOMPARE(image.pixelIndex(afterLast), 246);
        QCOMPARE(describe(PngPalette::read(bytes)), describe(coloursOf(table)));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("result");
        // Images Pillow wrote, kept beside the tests (see fixtures/make-fixtures.py).
        QTest::newRow("indexed, 4 bits, transparent first and last")
            << fixture("indexed.png") << "1 2 3 -, 255 0 0 -, 0 255 0 -, 255 0 0 -, 10 20 30 -";
        const QString strip = QStringLiteral("255 0 0 -, 0 128 255 -, 17 34 51 -, 255 255 255 -, 0 0 0 -");
        QTest::newRow("strip of one pixel per colour") << fixture("strip.png") << strip;
        QTest::newRow("the strip scaled 8 times") << fixture("strip-x8.png") << strip;
        QTest::newRow("alpha: transparent pixels skipped")
            << fixture("alpha.png") << "0 255 0 -, 0 0 255 -, 255 0 0 -";

        const QString prefix = QStringLiteral("The PNG image ");
        QTest::newRow("wider than 4096, before decoding")
            << png(header(4097, 1, 2))
            << prefix + "is 4097 x 1 pixels; only images of 1 to 4096 pixels each way are read";
        const QByteArray written = PngPalette::write(tableOf(TempDir::pattern(ColourTable::kByteCount)));
        QByteArray damaged = written;
        damaged[50] = char(damaged[50] ^ 1);
        QTest::newRow("CRC") << damaged << prefix + "chunk at offset 33 fails its CRC check";
        // Signature 8, IHDR 25, PLTE 12 + 741 and tRNS 12 + 247 bytes put IDAT
        // at 1045, then IEND's 12 bytes end the file.
        const qsizetype compressed = written.size() - 1045 - 12 - 12;
        QTest::newRow("cut short") << written.left(written.size() - 20)
                                   << prefix +
                                          QStringLiteral("is cut short: the chunk at offset 1045 gives %1 "
                                                         "bytes, %2 follow")
                                              .arg(compressed)
                                              .arg(compressed - 8);
        QTest::newRow("no IEND")
            << written.left(written.size() - 12)
            << prefix + QStringLiteral("ends at offset %1 without an IEND chunk").arg(written.size() - 12);
        QTest::newRow("indexed without PLTE")
            << png(header(1, 1, 3)) << prefix + "is indexed but has no PLTE chunk";
        QTest::newRow("PLTE of 4 bytes")
            << png(header(1, 1, 3) + PngChunks::chunk("PLTE", "abcd"))
            << prefix + "PLTE chunk at offset 33 holds 4 bytes, not 3 for each of 1 to 256 colors";
        QTest::newRow("IHDR not first")
            << png(PngChunks::chunk("PLTE", "abc") + header(1, 1, 3))
            << prefix + "does not begin with an IHDR chunk of 13 bytes at offset 8";
        QTest::newRow("pixels not decodable") << png(header(2, 2, 2) + PngChunks::chunk("IDAT", "garbage"))
                                              << prefix + "has pixels that cannot be decoded";
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, result);
        QVERIFY(!file.isEmpty());
        QCOMPARE(readingOf(PngPalette::read, file), result);
    }
};

DAVOVO_TEST(PngPaletteTest);
#include "pngpalettetest.moc"
