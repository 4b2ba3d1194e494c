#include "platform/core/intconvert.h"
#include "platform/core/exceptions.h"
#include "support/acceptedintegers.h"
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

    for (const AcceptedInteger &accepted : kAcceptedIntegers)
        QTest::newRow(accepted.name) << QString::fromLatin1(accepted.text) << accepted.value;
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
