#include "platform/intconvert.h"
#include "platform/exceptions.h"
#include "support/testregistry.h"

#include <QTest>

class IntConvertTest : public QObject {
    Q_OBJECT

private slots:
    void accepts_data();
    void accepts();
    void rejects_data();
    void rejects();
    void emptyTextNamesNothing();
};

void IntConvertTest::accepts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("value");

    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("one leading blank") << " 42" << 42;
    QTest::newRow("many leading blanks") << "    42" << 42;
    QTest::newRow("plus sign") << "+42" << 42;
    QTest::newRow("leading zero is not octal") << "042" << 42;
    QTest::newRow("dollar upper") << "$2A" << 42;
    QTest::newRow("dollar lower") << "$2a" << 42;
    QTest::newRow("x") << "x2A" << 42;
    QTest::newRow("X") << "X2a" << 42;
    QTest::newRow("0x") << "0x2A" << 42;
    QTest::newRow("0X mixed case") << "0X2a" << 42;
    QTest::newRow("blank before hex") << " $2A" << 42;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("negative") << "-17" << -17;
    QTest::newRow("blanks before sign") << "  -17" << -17;
    QTest::newRow("above a byte, caller keeps low bits") << "300" << 300;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << qint32(-2147483647 - 1);
    QTest::newRow("largest with leading zeros") << "0002147483647" << 2147483647;
    QTest::newRow("hex all ones is -1") << "$FFFFFFFF" << -1;
    QTest::newRow("hex sign bit") << "$80000000" << qint32(-2147483647 - 1);
    QTest::newRow("hex largest positive") << "0x7FFFFFFF" << 2147483647;
    QTest::newRow("hex nine digits with leading zero") << "$000000001" << 1;
    QTest::newRow("hex many leading zeros") << "$0000000000000FFFFFFFF" << -1;
}

void IntConvertTest::accepts()
{
    QFETCH(QString, text);
    QFETCH(qint32, value);
    QCOMPARE(strToInt(text), value);
}

void IntConvertTest::rejects_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("trailing blank") << "42 ";
    QTest::newRow("leading tab") << "\t42";
    QTest::newRow("leading newline") << "\n42";
    QTest::newRow("sign before dollar") << "-$2A";
    QTest::newRow("sign before 0x") << "+0x2A";
    QTest::newRow("blank inside") << "4 2";
    QTest::newRow("blank after sign") << "- 1";
    QTest::newRow("decimal point") << "1.0";
    QTest::newRow("exponent") << "1e3";
    QTest::newRow("dollar alone") << "$";
    QTest::newRow("0x alone") << "0x";
    QTest::newRow("x alone") << "x";
    QTest::newRow("minus alone") << "-";
    QTest::newRow("plus alone") << "+";
    QTest::newRow("two signs") << "+-1";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("one above largest") << "2147483648";
    QTest::newRow("one below smallest") << "-2147483649";
    QTest::newRow("ten times largest") << "21474836470";
    QTest::newRow("eleven digits") << "99999999999";
    QTest::newRow("hex above 32 bits") << "$100000000";
    QTest::newRow("hex digit out of range") << "0x2G";
    QTest::newRow("hex blank after prefix") << "$ 2A";
    QTest::newRow("two hex prefixes") << "0x$2A";
    QTest::newRow("zero then hex prefix late") << "00x1";
    QTest::newRow("fullwidth digits") << QStringLiteral("\uFF14\uFF12");
    QTest::newRow("non-breaking space before") << QStringLiteral("\u00A042");
    QTest::newRow("nul inside") << QString::fromLatin1("4\0"
                                                       "2",
                                                       3);
}

void IntConvertTest::rejects()
{
    QFETCH(QString, text);
    try {
        (void)strToInt(text);
        QFAIL("converted");
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value"));
    }
}

void IntConvertTest::emptyTextNamesNothing()
{
    try {
        (void)strToInt(QString());
        QFAIL("converted");
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("'' is not a valid integer value"));
        QCOMPARE(e.className(), "EConvertError");
    }
}

DAVOVO_TEST(IntConvertTest);

#include "intconverttest.moc"
