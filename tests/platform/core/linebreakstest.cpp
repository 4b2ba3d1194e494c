#include "platform/core/linebreaks.h"
#include "support/testregistry.h"

#include <QTest>

// The text and the byte versions follow one table; "|" stands for the new
// line break so that every replaced line end shows.
class LineBreaksTest : public QObject {
    Q_OBJECT

private slots:
    void replaced_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("none") << QByteArray("a b\tc") << QByteArray("a b\tc");
        QTest::newRow("CR") << QByteArray("a\rb") << QByteArray("a|b");
        QTest::newRow("LF") << QByteArray("a\nb") << QByteArray("a|b");
        QTest::newRow("CR LF is one") << QByteArray("a\r\nb") << QByteArray("a|b");
        QTest::newRow("LF CR is two") << QByteArray("a\n\rb") << QByteArray("a||b");
        QTest::newRow("CR CR LF LF") << QByteArray("\r\r\n\n") << QByteArray("|||");
        QTest::newRow("CR at the end") << QByteArray("a\r") << QByteArray("a|");
    }

    void replaced()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(withLineBreaks(text, "|"), expected);
        QCOMPARE(withLineBreaks(QString::fromLatin1(text), u"|"), QString::fromLatin1(expected));
    }

    // A break longer than one character is put in whole.
    void longerBreak()
    {
        QCOMPARE(withLineBreaks(QStringLiteral("a\rb\nc"), u"\r\n"), QStringLiteral("a\r\nb\r\nc"));
    }
};

DAVOVO_TEST(LineBreaksTest);

#include "linebreakstest.moc"
