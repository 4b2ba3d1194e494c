#include "colour/hexcolours.h"
#include "colourtext.h"
#include "platform/core/exceptions.h"
#include "support/testregistry.h"

#include <QTest>

// Hex colour codes read from clipboard text and written as lines.
class HexColoursTest : public QObject {
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("colours");
        QTest::newRow("a web palette page") << "#ff0000, #00ff00"
                                            << "255 0 0, 0 255 0";
        QTest::newRow("a .hex file with CR LF, either case") << "ff0000\r\n00FF0a\r\n"
                                                             << "255 0 0, 0 255 10";
        QTest::newRow("a JSON list of strings") << "[\"#ff0000\",\"0x00ff00\", \"0X0000Ff\"]"
                                                << "255 0 0, 0 255 0, 0 0 255";
        QTest::newRow("blanks, tabs and semicolons") << "  aabbcc\t112233 ;'010203';"
                                                     << "170 187 204, 17 34 51, 1 2 3";
        QTest::newRow("a lone bracket or quote is no token") << "[ \"\" ]\n"
                                                             << "";
    }
    void reads()
    {
        QFETCH(QString, text);
        QFETCH(QString, colours);
        QCOMPARE(describe(readHexColours(text)), colours);
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("five digits") << "#ff000"
                                     << "'#ff000' is not a hex color";
        QTest::newRow("seven digits") << "ff00001"
                                      << "'ff00001' is not a hex color";
        QTest::newRow("a bad one after a good one, as found") << "#ff0000 \"#Gg0000\""
                                                              << "'#Gg0000' is not a hex color";
        QTest::newRow("two prefixes") << "#0x123456"
                                      << "'#0x123456' is not a hex color";
        QTest::newRow("x without 0") << "x123456"
                                     << "'x123456' is not a hex color";
        QTest::newRow("digits that are not ASCII")
            << QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93\xef\xbc\x94\xef\xbc\x95\xef\xbc\x96")
            << QString::fromUtf8("'\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93\xef\xbc\x94\xef\xbc\x95\xef\xbc\x96' "
                                 "is not a hex color");
        QTest::newRow("a long token is cut")
            << QString(50, QLatin1Char('a'))
            << "'" + QString(40, QLatin1Char('a')) + "...' is not a hex color";
    }
    void refuses()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QString raised;
        try {
            (void)readHexColours(text);
        } catch (const EConvertError &e) {
            raised = e.message();
        }
        QCOMPARE(raised, message);
    }

    void writesLowerCaseLines()
    {
        const std::vector<Rgb> colours{{255, 0, 0}, {1, 171, 205}};
        QCOMPARE(hexLines(colours), QStringLiteral("ff0000\n01abcd\n"));
        QCOMPARE(hexLines({}), QString());
    }
};

DAVOVO_TEST(HexColoursTest);
#include "hexcolourstest.moc"
