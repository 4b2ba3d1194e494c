#include "notes/dialogplacement.h"
#include "support/testregistry.h"

#include <QTest>

class DialogPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void besideWindow_data();
    void besideWindow();
};

void DialogPlacementTest::besideWindow_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QSize>("dialog");
    QTest::addColumn<QPoint>("position");
    const QRect screen(0, 0, 1280, 1024);
    const QSize dialog(470, 330);

    QTest::newRow("room on the right") << screen << QRect(100, 200, 456, 230) << dialog << QPoint(556, 200);
    QTest::newRow("room only on the left")
        << screen << QRect(700, 200, 456, 230) << dialog << QPoint(230, 200);
    // The notes window where it first opens: centred.
    QTest::newRow("room only below") << screen << QRect(412, 397, 456, 230) << dialog << QPoint(412, 627);
    QTest::newRow("room only above") << screen << QRect(412, 600, 456, 230) << dialog << QPoint(412, 270);
    QTest::newRow("beside, moved up into the screen")
        << screen << QRect(100, 900, 456, 100) << dialog << QPoint(556, 694);
    QTest::newRow("second screen, right of the first")
        << QRect(1280, 0, 1024, 768) << QRect(1300, 100, 456, 230) << dialog << QPoint(1756, 100);
    // No side has room: right and the others cover more of the window.
    QTest::newRow("covers the least, on the left")
        << QRect(0, 0, 800, 600) << QRect(150, 100, 600, 400) << QSize(300, 250) << QPoint(0, 100);
    QTest::newRow("larger than the screen")
        << QRect(0, 0, 400, 300) << QRect(50, 50, 200, 100) << dialog << QPoint(0, 0);
}

void DialogPlacementTest::besideWindow()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, window);
    QFETCH(QSize, dialog);
    QFETCH(QPoint, position);
    QCOMPARE(::besideWindow(screen, window, dialog), position);
}

DAVOVO_TEST(DialogPlacementTest);

#include "dialogplacementtest.moc"
