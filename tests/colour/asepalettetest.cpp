#include "colour/asepalette.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QTest>

#include <bit>
#include <limits>

namespace {

QByteArray be(quint32 value, int size)
{
    QByteArray bytes;
    for (int n = size - 1; n >= 0; --n)
        bytes += char((value >> (8 * n)) & 0xFF);
    return bytes;
}

QByteArray block(quint16 type, const QByteArray &content)
{
    return be(type, 2) + be(quint32(content.size()), 4) + content;
}

QByteArray name(const QString &text)
{
    QByteArray bytes = be(quint32(text.size() + 1), 2);
    for (const QChar c : text)
        bytes += be(c.unicode(), 2);
    return bytes + be(0, 2);
}

QByteArray colour(const QByteArray &model, std::initializer_list<float> values)
{
    QByteArray bytes = name(QStringLiteral("c")) + model;
    for (const float value : values)
        bytes += be(std::bit_cast<quint32>(value), 4);
    return block(0x0001, bytes + be(2, 2));
}

QByteArray groupStart(const QString &text)
{
    return block(0xC001, name(text));
}

const QByteArray kGroupEnd = block(0xC002, {});

// An Adobe swatch exchange file made from the format's description.
QByteArray ase(const QByteArray &blocks, quint32 count)
{
    return "ASEF" + be(1, 2) + be(0, 2) + be(count, 4) + blocks;
}

} // namespace

class AsePaletteTest : public QObject {
    Q_OBJECT

private slots:
    void writesOneGroupOfRgbColours()
    {
        const ColourTable table = tableOf(TempDir::pattern(ColourTable::kByteCount));
        const QByteArray bytes = AsePalette::write(table, QStringLiteral("sky"));
        const QByteArray start = ase(groupStart(QStringLiteral("sky")), 248);
        QCOMPARE(bytes.left(start.size()), start);
        // Entry 0 of the pattern is 3, 10, 17.
        const QByteArray first = block(0x0001, name(QStringLiteral("Entry 0")) + "RGB " +
                                                   be(std::bit_cast<quint32>(3.0f / 255.0f), 4) +
                                                   be(std::bit_cast<quint32>(10.0f / 255.0f), 4) +
                                                   be(std::bit_cast<quint32>(17.0f / 255.0f), 4) + be(2, 2));
        QCOMPARE(bytes.mid(start.size(), first.size()), first);
        QVERIFY(bytes.contains(name(QStringLiteral("Entry 245")) + "RGB "));
        QVERIFY(bytes.endsWith(kGroupEnd));
        QCOMPARE(describe(AsePalette::read(bytes)), describe(coloursOf(table)));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("result");
        const QByteArray red = colour("RGB ", {1, 0, 0});
        QTest::newRow("groups flattened, gray, other blocks skipped")
            << ase(red + groupStart(QStringLiteral("g")) + colour("Gray", {0.2f}) + block(0x0002, "?") +
                       kGroupEnd + colour("RGB ", {0, 0, 1}) + "bytes after the counted blocks",
                   6)
            << "255 0 0 -, 51 51 51 -, 0 0 255 -";
        QTest::newRow("rounded and clamped")
            << ase(colour("RGB ", {0.5f, 1.5f, -0.25f}) +
                       colour("RGB ", {std::numeric_limits<float>::quiet_NaN(), 0.998f, 0.002f}),
                   2)
            << "128 255 0 -, 0 254 1 -";
        const QString prefix = QStringLiteral("The Adobe swatch exchange file ");
        QTest::newRow("CMYK") << ase(red + colour("CMYK", {0, 0, 0, 1}), 2)
                              << prefix +
                                     "holds a CMYK color in block 2; only RGB and Gray colors can be read";
        QTest::newRow("LAB") << ase(groupStart(QStringLiteral("g")) + colour("LAB ", {50, 0, 0}) + kGroupEnd,
                                    3)
                             << prefix + "holds a LAB color in block 2; only RGB and Gray colors can be read";
        QTest::newRow("unknown model") << ase(colour("HSV ", {0, 0, 0}), 1)
                                       << prefix + "holds a color of the unknown model 'HSV ' in block 1";
        QTest::newRow("version 2") << QByteArray("ASEF\x00\x02\x00\x00\x00\x00\x00\x00", 12)
                                   << prefix + "version at offset 4 is 2.0, not 1.0";
        QTest::newRow("header cut") << QByteArray("ASEF\x00\x01", 6)
                                    << prefix + "is cut short in its header at offset 6";
        QTest::newRow("fewer blocks than counted")
            << ase(red, 2) << prefix + "ends at offset 42, before block 2 of the 2 its header counts";
        QTest::newRow("block longer than the file")
            << ase(red.left(red.size() - 1), 1)
            << prefix + "is cut short: block 1 at offset 12 gives 24 bytes, 23 follow";
        QTest::newRow("values outside the block")
            << ase(block(0x0001, name(QStringLiteral("c")) + "RGB " + QByteArray(8, '\0')), 1)
            << prefix + "block 1 at offset 12 is too short for its color values";
        QTest::newRow("name outside the block")
            << ase(block(0x0001, be(40, 2) + "RGB "), 1)
            << prefix + "block 1 at offset 12 is too short for its name and color model";
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, result);
        QCOMPARE(readingOf(AsePalette::read, file), result);
    }
};

DAVOVO_TEST(AsePaletteTest);
#include "asepalettetest.moc"
