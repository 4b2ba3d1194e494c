#include "colour/riffpalette.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QTest>

namespace {

QByteArray le(quint32 value, int size)
{
    QByteArray bytes;
    for (int n = 0; n < size; ++n)
        bytes += char((value >> (8 * n)) & 0xFF);
    return bytes;
}

QByteArray chunk(const QByteArray &id, const QByteArray &data)
{
    QByteArray bytes = id + le(quint32(data.size()), 4) + data;
    return data.size() % 2 ? bytes + '\0' : bytes;
}

// A RIFF palette made from the format's description.
QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le(quint32(4 + chunks.size()), 4) + "PAL " + chunks;
}

QByteArray data(quint16 version, quint16 count, const QByteArray &entries)
{
    return chunk("data", le(version, 2) + le(count, 2) + entries);
}

} // namespace

class RiffPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheDataChunk()
    {
        const QByteArray table = TempDir::pattern(ColourTable::kByteCount);
        const QByteArray bytes = RiffPalette::write(tableOf(table));
        QCOMPARE(bytes, riff(data(0x0300, 246, table)));
        QCOMPARE(bytes.size(), 1008);
        QCOMPARE(RiffPalette::read(bytes).colours(), Palette::fromTable(tableOf(table)).colours());
    }

    void readsSamples_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("colours");
        QTest::newRow("two colours, flags kept")
            << riff(data(0x0300, 2, QByteArray("\xFF\x00\x00\x00\x01\x02\x03\x04", 8)))
            << "255 0 0 0, 1 2 3 4";
        QTest::newRow("other chunks skipped, odd one padded")
            << riff(chunk("LIST", "abc") + data(0x0300, 1, "\x05\x06\x07\x08") + chunk("JUNK", "z"))
            << "5 6 7 8";
        QTest::newRow("bytes after the RIFF form") << riff(data(0x0300, 1, "\x05\x06\x07\x08")) + "trailing"
                                                   << "5 6 7 8";
        QTest::newRow("no colours") << riff(data(0x0300, 0, {})) << "";
    }
    void readsSamples()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, colours);
        QCOMPARE(describe(RiffPalette::read(file)), colours);
    }

    void keepsTheFirst246Colours()
    {
        const Palette palette = RiffPalette::read(riff(data(0x0300, 256, QByteArray(1024, '\x09'))));
        QCOMPARE(palette.fileCount(), qsizetype(256));
        QCOMPARE(palette.colours().size(), std::size_t(246));
    }

    void damageIsNamedByOffset_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        const QByteArray good = riff(data(0x0300, 2, QByteArray(8, '\x01')));
        QTest::newRow("cut inside the data chunk")
            << good.left(good.size() - 3)
            << "The RIFF palette is cut short: its size at offset 4 gives 32 bytes, the file has 29";
        QByteArray longChunk = good;
        longChunk[16] = char(40);
        QTest::newRow("chunk longer than the form")
            << longChunk << "The RIFF palette is cut short: the chunk at offset 12 gives 40 bytes, 12 follow";
        QTest::newRow("half a chunk header")
            << riff("data\x04") << "The RIFF palette is cut short in the chunk header at offset 12";
        QTest::newRow("version") << riff(data(0x0200, 1, QByteArray(4, '\0')))
                                 << "The RIFF palette version at offset 20 is 0x0200, not 0x0300";
        QTest::newRow("count beyond the chunk")
            << riff(data(0x0300, 3, QByteArray(8, '\0')))
            << "The RIFF palette data chunk at offset 12 holds 12 bytes, too few for its 3 colors";
        QTest::newRow("chunk without version and count")
            << riff(chunk("data", QByteArray("\x00\x03", 2)))
            << "The RIFF palette data chunk at offset 12 is too short for a version and a count";
        QTest::newRow("no data chunk")
            << riff(chunk("LIST", "abcd")) << "The RIFF palette has no \"data\" chunk";
        QTest::newRow("not a palette form")
            << QByteArray("RIFF\x04\x00\x00\x00WAVE", 12)
            << "The RIFF palette does not begin with \"RIFF\" and \"PAL \" at offsets 0 and 8";
    }
    void damageIsNamedByOffset()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        QCOMPARE(paletteErrorOf([&] { (void)RiffPalette::read(file); }), error);
    }
};

DAVOVO_TEST(RiffPaletteTest);
#include "riffpalettetest.moc"
