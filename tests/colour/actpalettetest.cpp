#include "colour/actpalette.h"
#include "palettesupport.h"
#include "support/tables.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QTest>

class ActPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void writesTableWithoutCount()
    {
        const ColourTable table = tableOf(TempDir::pattern(ColourTable::kByteCount));
        const QByteArray bytes = ActPalette::write(table);
        QCOMPARE(bytes.size(), 768);
        // Entry 1 of the pattern is 31, 38, 45 (fourth byte 52, not kept).
        QCOMPARE(bytes.mid(3, 3), QByteArray("\x1F\x26\x2D"));
        QCOMPARE(bytes.mid(738), QByteArray(30, '\0'));

        const Palette read = ActPalette::read(bytes);
        QCOMPARE(read.colours().size(), std::size_t(ColourTable::kEntryCount));
        for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
            for (int k = 0; k < 3; ++k)
                QCOMPARE(read.byte(entry, k), std::optional<quint8>(table.byte(entry, k)));
            QCOMPARE(read.byte(entry, 3), std::nullopt);
        }
    }

    void readsSamples_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("first");
        QByteArray table(768, '\0');
        table.replace(0, 6, QByteArray("\xFF\x80\x00\x01\x02\x03", 6));
        QTest::newRow("768 bytes: 256 colours") << table << 246 << "255 128 0 -, 1 2 3 -";
        QTest::newRow("772 bytes, 2 in use, none transparent")
            << table + QByteArray("\x00\x02\xFF\xFF", 4) << 2 << "255 128 0 -, 1 2 3 -";
        QTest::newRow("772 bytes, all 256, one transparent")
            << table + QByteArray("\x01\x00\x00\x05", 4) << 246 << "255 128 0 -, 1 2 3 -";
    }
    void readsSamples()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, kept);
        QFETCH(QString, first);
        const Palette palette = ActPalette::read(file);
        QCOMPARE(int(palette.colours().size()), kept);
        QCOMPARE(describe(palette).left(first.size()), first);
    }

    void damageIsNamedByOffset_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        const QByteArray table(768, '\x07');
        QTest::newRow("no colours") << table + QByteArray("\x00\x00\xFF\xFF", 4)
                                    << "The Adobe color table's count at offset 768 is 0, not 1 to 256";
        QTest::newRow("more than 256") << table + QByteArray("\x01\x01\xFF\xFF", 4)
                                       << "The Adobe color table's count at offset 768 is 257, not 1 to 256";
        QTest::newRow("other size") << table.left(700)
                                    << "The Adobe color table has 700 bytes, not 768 or 772";
    }
    void damageIsNamedByOffset()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        QCOMPARE(paletteErrorOf([&] { (void)ActPalette::read(file); }), error);
    }
};

DAVOVO_TEST(ActPaletteTest);
#include "actpalettetest.moc"
