#include "colour/colourramp.h"
#include "colour/hsladjust.h"
#include "colourtext.h"
#include "support/testregistry.h"

#include <QTest>

// Ramps between two entries and hue, saturation and lightness changes, as
// tables of bytes in and bytes out.
class ColourArithmeticTest : public QObject {
    Q_OBJECT

private slots:
    void rgbRamp_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("between");
        QTest::newRow("quarters round to the nearest")
            << "0 0 0"
            << "255 255 255" << 4 << "64 64 64, 128 128 128, 191 191 191";
        QTest::newRow("halves go away from zero, falling and rising") << "255 0 7"
                                                                      << "0 255 0" << 2 << "128 128 4";
        QTest::newRow("each component on its own") << "10 200 30"
                                                   << "40 200 0" << 3 << "20 200 20, 30 200 10";
        QTest::newRow("neighbours have nothing between") << "1 2 3"
                                                         << "4 5 6" << 1 << "";
    }
    void rgbRamp()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, steps);
        QFETCH(QString, between);
        QCOMPARE(describe(::rgbRamp(rgbOf(first), rgbOf(last), steps)), between);
    }

    void hueRamp_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("between");
        QTest::newRow("red to green through yellow") << "255 0 0"
                                                     << "0 255 0" << 2 << "255 255 0";
        QTest::newRow("red to blue the short way, through magenta") << "255 0 0"
                                                                    << "0 0 255" << 2 << "255 0 255";
        QTest::newRow("opposite hues turn upwards") << "255 0 0"
                                                    << "0 255 255" << 2 << "128 255 0";
        QTest::newRow("a white end takes the other's hue") << "255 255 255"
                                                           << "0 0 255" << 3 << "170 170 255, 85 85 255";
        QTest::newRow("a black end takes the other's hue") << "0 0 255"
                                                           << "0 0 0" << 3 << "57 57 170, 57 57 85";
        QTest::newRow("saturation and value go linearly") << "255 0 0"
                                                          << "128 64 64" << 3 << "213 35 35, 170 57 57";
        QTest::newRow("two greys stay grey") << "0 0 0"
                                             << "255 255 255" << 2 << "128 128 128";
    }
    void hueRamp()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, steps);
        QFETCH(QString, between);
        QCOMPARE(describe(::hueRamp(rgbOf(first), rgbOf(last), steps)), between);
    }

    void adjustHsl_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("lightness");
        QTest::addColumn<QString>("adjusted");
        QTest::newRow("red turned by 120 is pure green") << "255 0 0" << 120 << 0 << 0 << "0 255 0";
        QTest::newRow("red turned back by 120 is pure blue") << "255 0 0" << -120 << 0 << 0 << "0 0 255";
        QTest::newRow("the hue goes round past 360") << "0 0 255" << 180 << 0 << 0 << "255 255 0";
        QTest::newRow("no change keeps every byte") << "37 201 90" << 0 << 0 << 0 << "37 201 90";
        QTest::newRow("a grey has no hue to turn") << "90 90 90" << 77 << 0 << 0 << "90 90 90";
        QTest::newRow("saturation -100 is a grey of the same lightness")
            << "200 100 50" << 0 << -100 << 0 << "125 125 125";
        QTest::newRow("saturation +50 goes half the way to 1")
            << "150 100 100" << 0 << 50 << 0 << "200 50 50";
        QTest::newRow("lightness -100 is black") << "12 34 56" << 0 << 0 << -100 << "0 0 0";
        QTest::newRow("lightness -50 goes half the way to 0") << "255 0 0" << 0 << 0 << -50 << "128 0 0";
        QTest::newRow("lightness +50 goes half the way to 1") << "0 0 0" << 0 << 0 << 50 << "128 128 128";
    }
    void adjustHsl()
    {
        QFETCH(QString, colour);
        QFETCH(int, hue);
        QFETCH(int, saturation);
        QFETCH(int, lightness);
        QFETCH(QString, adjusted);
        QCOMPARE(describe(::adjustHsl(rgbOf(colour), {hue, saturation, lightness})), adjusted);
    }
};

DAVOVO_TEST(ColourArithmeticTest);
#include "colourarithmetictest.moc"
