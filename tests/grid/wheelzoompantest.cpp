#include "grid/input/pancursors.h"
#include "grid/input/panning.h"
#include "grid/input/wheelscroll.h"
#include "grid/input/zoomstep.h"
#include "support/testregistry.h"

#include <QImage>
#include <QTest>

#include <vector>

// The wheel, zoom and panning rules, without a window.
class WheelZoomPanTest : public QObject {
    Q_OBJECT

private slots:
    void notches_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<QList<int>>("notches");
        QTest::addColumn<int>("rest");
        auto row = [](const char *name, QList<int> deltas, QList<int> notches, int rest) {
            QTest::newRow(name) << deltas << notches << rest;
        };
        row("notches both ways", {120, -120, 240}, {1, -1, 2}, 0);
        row("eighths add up", {15, 15, 15, 15, 15, 15, 15, 15}, {0, 0, 0, 0, 0, 0, 0, 1}, 0);
        row("rests carry on", {100, 100, 100}, {0, 1, 1}, 60);
        row("turning back drops the rest", {90, -150}, {0, -1}, -30);
    }
    void notches()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(QList<int>, notches);
        QFETCH(int, rest);
        WheelNotches wheel;
        QList<int> got;
        for (int delta : deltas)
            got << wheel.add(delta);
        QCOMPARE(got, notches);
        QCOMPARE(wheel.rest(), rest);
    }

    // Rows 1 to lastRow; "lines" is the wheel-scroll setting.
    void wheelRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("linesToo");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("expected");
        auto row = [](const char *name, int from, int notches, int lines, bool linesToo, int lastRow,
                      int to) {
            QTest::newRow(name) << from << notches << lines << linesToo << lastRow << to;
        };
        row("up: lines, then a notch, within 1", 3, 1, 3, true, 5, 1);
        row("one line and a notch", 5, 1, 1, true, 5, 3);
        row("two notches in one event", 9, 2, 3, true, 20, 4);
        row("notches only", 3, 1, 3, false, 5, 2);
        row("no notch, no move", 3, 0, 3, true, 5, 3);
    }
    void wheelRows()
    {
        QFETCH(int, row);
        QFETCH(int, notches);
        QFETCH(int, lines);
        QFETCH(bool, linesToo);
        QFETCH(int, lastRow);
        QFETCH(int, expected);
        const WheelRowMove move = linesToo ? WheelRowMove::LinesAndNotches : WheelRowMove::NotchesOnly;
        QCOMPARE(rowAfterWheel(row, notches, lines, move, 1, lastRow), expected);
    }

    void zoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("expected"); // 99: refused
        QTest::newRow("toward the user grows, once per event") << 0 << -2 << 3;
        QTest::newRow("up to 10") << 7 << -1 << 10;
        QTest::newRow("past 10 refused") << 8 << -1 << 99;
        QTest::newRow("no notch") << 0 << 0 << 99;
    }
    void zoom()
    {
        QFETCH(int, zoom);
        QFETCH(int, notches);
        QFETCH(int, expected);
        QCOMPARE(ZoomStep::zoomAfterWheel(zoom, notches, 3).value_or(99), expected);
    }

    void zoomSizesStayAboveZero()
    {
        std::vector<int> sizes{45, 21, 3, 4};
        ZoomStep::resize(sizes, -3);
        QCOMPARE(sizes, (std::vector<int>{42, 18, 3, 1}));
        ZoomStep::resize(sizes, 3);
        QCOMPARE(sizes, (std::vector<int>{45, 21, 6, 4}));
    }

    void panDirection_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<PanDirection>("direction");
        // Panning began at (100, 100).
        QTest::newRow("5 above") << QPoint(100, 95) << PanDirection::None;
        QTest::newRow("6 above") << QPoint(100, 94) << PanDirection::Up;
        QTest::newRow("6 below") << QPoint(100, 106) << PanDirection::Down;
        QTest::newRow("sideways only") << QPoint(400, 102) << PanDirection::None;
    }
    void panDirection()
    {
        QFETCH(QPoint, pointer);
        QFETCH(PanDirection, direction);
        QCOMPARE(Panning::direction(QPoint(100, 100), pointer), direction);
        const int step = direction == PanDirection::Up ? -1 : direction == PanDirection::Down ? 1 : 0;
        QCOMPARE(Panning::rowAfterStep(3, direction, 1, 5), 3 + step);
        QCOMPARE(Panning::rowAfterStep(1, direction, 1, 1), 1);
    }

    // Still shows both arrows, up only the upper, down only the lower; the
    // hot spot is on the black dot in the middle.
    void panCursors()
    {
        const PanCursors cursors;
        const int size = PanCursors::kSize;
        auto inked = [](const QImage &image, int top) {
            for (int y = top; y < top + PanCursors::kSize / 3; ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) != 0)
                        return true;
            return false;
        };
        for (PanDirection direction : {PanDirection::None, PanDirection::Up, PanDirection::Down}) {
            const QCursor &cursor = cursors.cursor(direction);
            QCOMPARE(cursor.hotSpot(), QPoint(size / 2, size / 2));
            const QImage image = cursor.pixmap().toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(image.pixelColor(size / 2, size / 2), QColor(Qt::black));
            QCOMPARE(inked(image, 0), direction != PanDirection::Down);
            QCOMPARE(inked(image, size - size / 3), direction != PanDirection::Up);
        }
    }
};

DAVOVO_TEST(WheelZoomPanTest);
#include "wheelzoompantest.moc"
