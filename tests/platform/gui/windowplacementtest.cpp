#include "platform/gui/windowplacement.h"
#include "support/testregistry.h"

#include <QTest>

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void centredPosition_data()
    {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("fits") << QSize(456, 230) << QRect(0, 0, 1280, 1024) << QPoint(412, 397);
        QTest::newRow("area not at the origin")
            << QSize(100, 50) << QRect(-1280, 200, 1280, 1024) << QPoint(-690, 687);
        QTest::newRow("wider and taller than the area")
            << QSize(2000, 1500) << QRect(0, 0, 1280, 1024) << QPoint(0, 0);
        QTest::newRow("taller only") << QSize(200, 1500) << QRect(10, 20, 1280, 1024) << QPoint(550, 20);
    }

    void centredPosition()
    {
        QFETCH(QSize, outer);
        QFETCH(QRect, area);
        QFETCH(QPoint, position);
        QCOMPARE(::centredPosition(outer, area), position);
    }
};

DAVOVO_TEST(WindowPlacementTest);

#include "windowplacementtest.moc"
