#include "settings/browserplacement.h"
#include "support/testregistry.h"

#include <QTest>

class BrowserPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void position_data();
    void position();
};

void BrowserPlacementTest::position_data()
{
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1920, 1080);
    QTest::newRow("centred") << QRect(100, 100, 800, 600) << QSize(300, 400) << screen << QPoint(350, 200);
    QTest::newRow("odd halves rounded down")
        << QRect(0, 0, 801, 601) << QSize(300, 400) << screen << QPoint(250, 100);
    // -201 / 2 and -301 / 2 round toward zero, to -100 and -150.
    QTest::newRow("larger than the window")
        << QRect(500, 500, 100, 100) << QSize(301, 401) << screen << QPoint(400, 350);
    QTest::newRow("bottom edge reaching the screen's")
        << QRect(0, 680, 400, 400) << QSize(200, 400) << screen << QPoint(100, 680);
    QTest::newRow("past the bottom: window's bottom")
        << QRect(100, 900, 400, 100) << QSize(200, 300) << screen << QPoint(200, 700);
    QTest::newRow("past the right: window's right")
        << QRect(1800, 100, 100, 400) << QSize(300, 200) << screen << QPoint(1600, 200);
    QTest::newRow("past both") << QRect(1800, 900, 100, 100) << QSize(300, 300) << screen
                               << QPoint(1600, 700);
    QTest::newRow("negatives become 0")
        << QRect(-50, -80, 100, 100) << QSize(300, 400) << screen << QPoint(0, 0);
    QTest::newRow("window below the screen")
        << QRect(100, 800, 400, 600) << QSize(200, 300) << screen << QPoint(200, 780);
    QTest::newRow("window right of the screen")
        << QRect(1700, 100, 600, 400) << QSize(300, 200) << screen << QPoint(1620, 200);

    const QRect second(1920, 0, 1280, 1024);
    QTest::newRow("second screen") << QRect(2700, 100, 300, 300) << QSize(400, 200) << second
                                   << QPoint(2650, 150);
    QTest::newRow("second screen, left edge")
        << QRect(1900, 100, 100, 100) << QSize(300, 300) << second << QPoint(1920, 0);
}

void BrowserPlacementTest::position()
{
    QFETCH(QRect, bounds);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(browserPosition(bounds, size, screen), expected);
}

DAVOVO_TEST(BrowserPlacementTest);

#include "browserplacementtest.moc"
